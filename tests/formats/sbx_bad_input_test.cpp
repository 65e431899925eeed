// Damaged copies of one small valid file: every one must be refused with a
// message, without a crash, a hang or a read outside any buffer (the tests run
// under the address and undefined-behaviour sanitizers).
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

#include "formats/sbx_file.h"
#include "formats/serializer_image_sbx.h"
#include "model/stipplebox_data.h"
#include "platform/file.h"
#include "support/headless_message_box_scope.h"
#include "support/sbx_bytes.h"
#include "support/scratch_directory.h"
#include "support/test_documents.h"

namespace {

constexpr size_t kHeaderAndLength = 34;

class SbxBadInput : public ::testing::Test {
protected:
    void SetUp() override
    {
        // Every field stored, but patterned palettes, so the file stays small.
        m_document = MakeRichDocument(3, 2, 2, 2, 11);
        for (int p = 0; p < m_document->GetPalettes()->GetSize(); ++p) {
            CStippleboxPalette& palette = *m_document->GetPalettes()->GetAt(p);
            for (int e = 0; e < palette.GetCount(); ++e) {
                const auto v = static_cast<uint8_t>(e + p);
                palette.SetColor(e, {v, v, static_cast<uint8_t>(v / 2)});
                palette.SetTriple(e, {v, 0, 0});
                palette.SetColorSpaceID(e, e % 3 == 0 ? 1 : 0);
                palette.SetMasked(e, e % 7 == 0);
            }
        }
        m_stream = WriteChunkStream(*m_document);
        m_file = MakeSbxFile(m_stream);
    }

    enum class EOutcome { Refused, SameDocument, WrongDocument, RefusedSilently };

    // Reads the bytes as the editor's Open does, document checks included.
    EOutcome ReadThroughSerializer(const Bytes& bytes)
    {
        const std::filesystem::path path = m_directory / "damaged.sbx";
        WriteFileBytes(path, AsString(bytes));
        m_boxes->ClearRecords();
        CStippleboxData document;
        const bool read = m_serializer.Read(path, &document, true);
        return Outcome(read, document, m_serializer.GetErrorText());
    }

    // The format's reader alone, from memory: quick enough to meet thousands
    // of damaged copies. Damage it lets through would have to survive the
    // stream's length and checksum tests.
    EOutcome Load(Bytes bytes)
    {
        CMemFile memory(bytes);
        m_boxes->ClearRecords();
        CStippleboxData document;
        std::string error;
        const bool read = sbx::Load(document, memory, &error);
        return Outcome(read, document, error);
    }

    EOutcome Outcome(bool read, CStippleboxData& document, const std::string& error)
    {
        if (read) {
            return WriteChunkStream(document) == m_stream ? EOutcome::SameDocument : EOutcome::WrongDocument;
        }
        return error.empty() && m_boxes->GetRecords().empty() ? EOutcome::RefusedSilently : EOutcome::Refused;
    }

    std::unique_ptr<CStippleboxData> m_document;
    Bytes m_stream;
    Bytes m_file;
    CScratchDirectory m_directory;
    CHeadlessMessageBoxScope m_boxes;
    CSerializerImageSbx m_serializer;
};

}  // namespace

TEST_F(SbxBadInput, TheUndamagedFileReadsBack)
{
    EXPECT_EQ(ReadThroughSerializer(m_file), EOutcome::SameDocument);
    EXPECT_EQ(Load(m_file), EOutcome::SameDocument);
}

TEST_F(SbxBadInput, EveryTruncationIsRefused)
{
    for (size_t length = 0; length < m_file.size(); ++length) {
        ASSERT_EQ(Load(Bytes(m_file.begin(), m_file.begin() + length)), EOutcome::Refused)
            << "cut to " << length << " of " << m_file.size() << " bytes";
    }
}

// The identifier, the stored length and the start of the zlib stream (its
// header and the deflate block that holds the first chunk headers), each
// byte replaced by every other value. A change the checksum cannot see would
// have to leave the document exactly as it was.
TEST_F(SbxBadInput, EveryValueOfEachHeaderByteIsRefused)
{
    const size_t damagedBytes = std::min(m_file.size(), kHeaderAndLength + 24);
    for (size_t offset = 0; offset < damagedBytes; ++offset) {
        for (int delta = 1; delta < 256; ++delta) {
            Bytes damaged = m_file;
            damaged[offset] = static_cast<uint8_t>(damaged[offset] + delta);
            const EOutcome outcome = Load(damaged);
            ASSERT_TRUE(outcome == EOutcome::Refused || outcome == EOutcome::SameDocument)
                << "byte " << offset << " changed by " << delta;
        }
    }
}

// The first chunk headers themselves damaged inside an intact zlib stream, so
// the chunk reader and the document checks meet them.
TEST_F(SbxBadInput, DamagedFirstChunkHeadersAreRefused)
{
    // Width, height and the layer array, then the layer array's own first
    // chunks and the first layer's element header.
    const size_t headerOffsets[] = {0, 10, 20, 26, 36, 46};
    // Except: a current-index or name-counter chunk whose identifier no longer
    // names it is skipped like any unknown chunk, which leaves a well-formed
    // document with that value at its default.
    const auto namesAnOptionalChunk = [](size_t byte) { return byte == 26 || byte == 27 || byte == 36 || byte == 37; };
    for (const size_t header : headerOffsets) {
        for (size_t byte = header; byte < header + 6; ++byte) {
            for (const int delta : {1, 2, 0x10, 0x80, 0xFF}) {
                Bytes stream = m_stream;
                stream[byte] = static_cast<uint8_t>(stream[byte] + delta);
                const EOutcome outcome = ReadThroughSerializer(MakeSbxFile(stream));
                ASSERT_TRUE(outcome == EOutcome::Refused ||
                            (outcome == EOutcome::WrongDocument && namesAnOptionalChunk(byte)))
                    << "stream byte " << byte << " changed by " << delta;
            }
        }
    }
}
