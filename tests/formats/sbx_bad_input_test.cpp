// Damaged copies of one small valid file: every one must be refused with a
// message, without a crash, a hang or a read outside any buffer (the tests run
// under the address and undefined-behaviour sanitizers).
#include <gtest/gtest.h>

#include <algorithm>

#include "formats/sbx_file.h"
#include "formats/serializer_image_sbx.h"
#include "model/stipplebox_data.h"
#include "support/chunk_bytes.h"
#include "support/headless_message_box_scope.h"
#include "support/scratch_directory.h"
#include "support/test_documents.h"

namespace {

enum class EOutcome { Refused, RefusedSilently, SameDocument, OtherDocument };

class SbxBadInput : public ::testing::Test {
protected:
    SbxBadInput()
    {
        // Every field stored, but patterned palettes keep the file small.
        auto document = MakeRichDocument(3, 2, 2, 2, 11);
        for (int p = 0; p < 2; ++p) {
            CStippleboxPalette& palette = *document->GetPalettes()->GetAt(p);
            for (int e = 0; e < palette.GetCount(); ++e) {
                const auto v = static_cast<uint8_t>(e + p);
                palette.SetColor(e, {v, v, static_cast<uint8_t>(v / 2)});
                palette.SetTriple(e, {v, 0, 0});
            }
        }
        m_stream = WriteChunkStream(*document);
        m_file = MakeSbxFile(m_stream);
    }

    // The format's reader alone, from memory, quick enough for thousands of
    // copies: for damage to the file's own bytes it decides alone, since what
    // it accepts has passed the stream's length and checksum.
    EOutcome Load(Bytes bytes)
    {
        CMemFile memory(bytes);
        CStippleboxData document;
        std::string error;
        return Outcome(sbx::Load(document, memory, &error), document, error);
    }
    // The editor's Open, document checks included.
    EOutcome Read(const Bytes& bytes)
    {
        WriteFileBytes(m_directory / "damaged.sbx", AsString(bytes));
        CStippleboxData document;
        const bool read = m_serializer.Read(m_directory / "damaged.sbx", &document, true);
        return Outcome(read, document, m_serializer.GetErrorText());
    }
    EOutcome Outcome(bool read, CStippleboxData& document, const std::string& error)
    {
        const bool told = !error.empty() || !m_boxes->GetRecords().empty();
        m_boxes->ClearRecords();
        if (read) {
            return WriteChunkStream(document) == m_stream ? EOutcome::SameDocument : EOutcome::OtherDocument;
        }
        return told ? EOutcome::Refused : EOutcome::RefusedSilently;
    }

    Bytes m_stream;
    Bytes m_file;
    CScratchDirectory m_directory;
    CHeadlessMessageBoxScope m_boxes;
    CSerializerImageSbx m_serializer;
};

}  // namespace

TEST_F(SbxBadInput, EveryTruncationIsRefused)
{
    ASSERT_EQ(Read(m_file), EOutcome::SameDocument);
    for (size_t length = 0; length < m_file.size(); ++length) {
        ASSERT_EQ(Load(Bytes(m_file.begin(), m_file.begin() + length)), EOutcome::Refused)
            << "cut to " << length << " of " << m_file.size() << " bytes";
    }
}

// The identifier, the stored length and the start of the zlib stream (its
// header and the deflate block that holds the first chunk headers), each byte
// replaced by every other value.
TEST_F(SbxBadInput, EveryValueOfEachHeaderByteIsRefused)
{
    for (size_t offset = 0; offset < std::min<size_t>(m_file.size(), 34 + 24); ++offset) {
        for (int delta = 1; delta < 256; ++delta) {
            Bytes damaged = m_file;
            damaged[offset] = static_cast<uint8_t>(damaged[offset] + delta);
            const EOutcome outcome = Load(damaged);
            // A change the checksum cannot see would have to leave the content as it was.
            ASSERT_TRUE(outcome == EOutcome::Refused || outcome == EOutcome::SameDocument)
                << "byte " << offset << " changed by " << delta;
        }
    }
}

// The first chunk headers damaged inside an intact zlib stream, so that the
// chunk readers and the document checks meet them: width, height, the layer
// array, its current-index and name-counter chunks and its first element.
TEST_F(SbxBadInput, DamagedFirstChunkHeadersAreRefused)
{
    for (const size_t header : {0, 10, 20, 26, 36, 46}) {
        for (size_t byte = header; byte < header + 6; ++byte) {
            for (const int delta : {1, 2, 0x10, 0x80, 0xFF}) {
                Bytes stream = m_stream;
                stream[byte] = static_cast<uint8_t>(stream[byte] + delta);
                const EOutcome outcome = Read(MakeSbxFile(stream));
                // A current-index or name-counter chunk renamed is skipped like
                // any unknown chunk, leaving a sound document with that value
                // at its default.
                const bool renamesAnOptionalChunk = byte == 26 || byte == 27 || byte == 36 || byte == 37;
                ASSERT_TRUE(outcome == EOutcome::Refused ||
                            (outcome == EOutcome::OtherDocument && renamesAnOptionalChunk))
                    << "stream byte " << byte << " changed by " << delta;
            }
        }
    }
}
