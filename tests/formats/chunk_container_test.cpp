#include <gtest/gtest.h>

#include <map>
#include <vector>

#include "formats/stipplebox_chunk_file.h"
#include "formats/stipplebox_chunk_serializer.h"
#include "platform/exceptions.h"
#include "support/test_documents.h"

namespace {

using Bytes = std::vector<uint8_t>;

// Writes with a chunk file into memory and returns the bytes.
template <class WriteFunction>
Bytes WriteWith(WriteFunction write)
{
    CMemFile memory;
    CStippleboxChunkFile file;
    file.Attach(&memory, false);
    write(file);
    file.Detach();
    return memory.Detach();
}

// Records every chunk it is handed; identifier 50 holds nested chunks.
class CRecordingSerializer : public CStippleboxChunkSerializer {
public:
    struct SChunk {
        uint16_t identifier;
        uint32_t length;
        uint64_t payloadPosition;
    };

    void BeginRead() override { ++beginReads; }
    void ReadChunk(CStippleboxChunkFile& file, uint16_t identifier, uint32_t length) override
    {
        chunks.push_back({identifier, length, file.GetPosition()});
        if (identifier == 50) {
            child = std::make_unique<CRecordingSerializer>();
            child->ReadChunks(file, length);
        } else if (identifier == 1) {
            values.push_back(ReadDwordPayload(file, length));
        }
    }

    int beginReads = 0;
    std::vector<SChunk> chunks;
    std::vector<uint32_t> values;
    std::unique_ptr<CRecordingSerializer> child;
};

uint64_t ReadAll(CRecordingSerializer& reader, Bytes& bytes, uint64_t length)
{
    CMemFile memory(bytes);
    CStippleboxChunkFile file;
    file.Attach(&memory, false);
    reader.ReadChunks(file, length);
    const uint64_t end = file.GetPosition();
    file.Detach();
    return end;
}

}  // namespace

TEST(ChunkWriting, DataChunksHaveTheirLayoutAndLittleEndianFields)
{
    EXPECT_EQ(WriteWith([](CStippleboxChunkFile& f) { f.WriteDwordChunk(1001, 64); }),
              (Bytes{0xE9, 0x03, 0x04, 0x00, 0x00, 0x00, 0x40, 0x00, 0x00, 0x00}));
    EXPECT_EQ(WriteWith([](CStippleboxChunkFile& f) { f.WriteStringChunk(1000, u"ab"); }),
              (Bytes{0xE8, 0x03, 0x04, 0x00, 0x00, 0x00, 0x61, 0x00, 0x62, 0x00}));
    EXPECT_EQ(WriteWith([](CStippleboxChunkFile& f) { f.WriteStringChunk(1000, u""); }),
              (Bytes{0xE8, 0x03, 0x00, 0x00, 0x00, 0x00}));
    EXPECT_EQ(WriteWith([](CStippleboxChunkFile& f) { f.WriteByteChunk(7, 0xAB); }),
              (Bytes{0x07, 0x00, 0x01, 0x00, 0x00, 0x00, 0xAB}));
    EXPECT_EQ(WriteWith([](CStippleboxChunkFile& f) { f.WriteString(u"\u3042", true); }),
              (Bytes{0x01, 0x00, 0x00, 0x00, 0x42, 0x30}));
}

TEST(ChunkWriting, ObjectChunksPatchTheirLengthsInnermostFirst)
{
    const Bytes twoChildren = WriteWith([](CStippleboxChunkFile& f) {
        f.BeginChunk(9);
        f.WriteDwordChunk(1, 1);
        f.WriteDwordChunk(2, 2);
        f.EndChunk();
    });
    ASSERT_EQ(twoChildren.size(), 26u);
    EXPECT_EQ(twoChildren[2], 20);

    const Bytes nested = WriteWith([](CStippleboxChunkFile& f) {
        f.BeginChunk(1);
        f.BeginChunk(2);
        f.BeginChunk(3);
        f.WriteByteChunk(4, 0);
        f.EndChunk();
        f.EndChunk();
        f.EndChunk();
        f.WriteByteChunk(5, 0);  // writing continues at the end after patching
    });
    // Each level adds its 6-byte header around the 7-byte innermost data chunk.
    EXPECT_EQ(nested[2], 7 + 12);
    EXPECT_EQ(nested[8], 7 + 6);
    EXPECT_EQ(nested[14], 7);
    EXPECT_EQ(nested.size(), 6u * 3 + 7 + 7);
    EXPECT_EQ(nested[25], 5);
}

TEST(ChunkReading, UnknownChunksAreSkippedAndReadingContinuesAtTheNextSibling)
{
    Bytes bytes = WriteWith([](CStippleboxChunkFile& f) {
        f.WriteDwordChunk(1, 11);
        f.WriteBytesChunk(999, Bytes(13, 0xEE));
        f.WriteDwordChunk(1, 22);
    });
    CRecordingSerializer reader;
    EXPECT_EQ(ReadAll(reader, bytes, bytes.size()), bytes.size());
    EXPECT_EQ(reader.values, (std::vector<uint32_t>{11, 22}));
    ASSERT_EQ(reader.chunks.size(), 3u);
    EXPECT_EQ(reader.chunks[1].identifier, 999);
    EXPECT_EQ(reader.chunks[1].length, 13u);
}

TEST(ChunkReading, ZeroLengthCallsBeginReadAndReadsNothing)
{
    Bytes bytes = WriteWith([](CStippleboxChunkFile& f) { f.WriteDwordChunk(1, 5); });
    CRecordingSerializer reader;
    EXPECT_EQ(ReadAll(reader, bytes, 0), 0u);
    EXPECT_EQ(reader.beginReads, 1);
    EXPECT_TRUE(reader.chunks.empty());
}

TEST(ChunkReading, NestedSequencesReadIntoTheirOwnObject)
{
    Bytes bytes = WriteWith([](CStippleboxChunkFile& f) {
        f.BeginChunk(50);
        f.WriteDwordChunk(1, 100);
        f.WriteDwordChunk(1, 200);
        f.EndChunk();
        f.WriteDwordChunk(1, 300);
    });
    CRecordingSerializer reader;
    ReadAll(reader, bytes, bytes.size());
    ASSERT_TRUE(reader.child);
    EXPECT_EQ(reader.child->values, (std::vector<uint32_t>{100, 200}));
    EXPECT_EQ(reader.values, (std::vector<uint32_t>{300}));
}

TEST(ChunkReading, AChunkRunningPastItsParentEndsTheSequenceWithinTheParent)
{
    // Parent 50 holds a data chunk that claims 1000 bytes but only 4 remain in
    // the parent; a sibling of the parent follows.
    Bytes bytes = WriteWith([](CStippleboxChunkFile& f) {
        f.BeginChunk(50);
        f.WriteDwordChunk(1, 100);
        f.WriteWord(1);
        f.WriteDword(1000);
        f.WriteDword(200);
        f.EndChunk();
        f.WriteDwordChunk(1, 300);
    });
    CRecordingSerializer reader;
    ReadAll(reader, bytes, bytes.size());
    ASSERT_TRUE(reader.child);
    ASSERT_EQ(reader.child->chunks.size(), 2u);
    EXPECT_EQ(reader.child->chunks[1].length, 4u);  // handed over cut to the parent's end
    EXPECT_EQ(reader.child->values, (std::vector<uint32_t>{100, 200}));
    // The parent's sibling is still read: nothing crossed the parent's end.
    EXPECT_EQ(reader.values, (std::vector<uint32_t>{300}));
}

TEST(ChunkReading, CorruptLengthsNeverReachOutsideTheStream)
{
    Bytes bytes = WriteWith([](CStippleboxChunkFile& f) {
        f.WriteWord(1);
        f.WriteDword(0xFFFFFFF0u);
        f.WriteDword(42);
    });
    CRecordingSerializer reader;
    // The caller claims far more than the stream holds; the loop stops at the
    // stream's end.
    EXPECT_EQ(ReadAll(reader, bytes, 0xFFFFFFFFu), bytes.size());
    ASSERT_EQ(reader.chunks.size(), 1u);
    EXPECT_EQ(reader.chunks[0].length, 4u);
    EXPECT_EQ(reader.values, (std::vector<uint32_t>{42}));

    // A header torn by the end of the sequence is not read at all.
    Bytes torn = {0x01, 0x00, 0x04};
    CRecordingSerializer tornReader;
    EXPECT_EQ(ReadAll(tornReader, torn, torn.size()), torn.size());
    EXPECT_TRUE(tornReader.chunks.empty());
}

TEST(ChunkReading, APayloadTooShortForItsValueIsRefused)
{
    Bytes bytes = {0x01, 0x00, 0x02, 0x00, 0x00, 0x00, 0xAA, 0xBB, 0x01, 0x00, 0x04, 0x00, 0x00, 0x00};
    CRecordingSerializer reader;
    EXPECT_THROW(ReadAll(reader, bytes, bytes.size()), CDataFormatException);
}

TEST(FileUtility, ExactReadsThatComeUpShortRaiseEndOfFile)
{
    Bytes bytes = {0x01, 0x02, 0x03};
    CMemFile memory(bytes);
    CStippleboxFileUtility file;
    file.Attach(&memory, false);
    EXPECT_EQ(file.ReadWord(), 0x0201);
    try {
        file.ReadDword();
        FAIL() << "a short exact read must throw";
    } catch (const CFileException& error) {
        EXPECT_EQ(error.GetCause(), CFileException::Cause::EndOfFile);
    }
    uint8_t buffer[4];
    file.SeekTo(1);
    EXPECT_EQ(file.Read(buffer, 4, false), 2u);
    file.Detach();
}

TEST(FileUtility, StringsWithAHugeCountFailBeforeAllocating)
{
    Bytes bytes = {0xFF, 0xFF, 0xFF, 0x7F, 0x41, 0x00};
    CMemFile memory(bytes);
    CStippleboxFileUtility file;
    file.Attach(&memory, false);
    EXPECT_THROW(file.ReadString(CStippleboxFileUtility::kReadStringCount), CFileException);
    file.SeekTo(4);
    EXPECT_EQ(file.ReadString(1), u"A");
    file.Detach();
}
