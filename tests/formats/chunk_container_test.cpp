#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "formats/stipplebox_chunk_file.h"
#include "formats/stipplebox_chunk_serializer.h"
#include "platform/exceptions.h"

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

// Describes what it is handed: "(" when a read begins, "identifier:length"
// per chunk, "=value" after a dword chunk 1, and the chunks inside chunk 50,
// read by an object of their own, up to ")".
class CTracingSerializer : public CStippleboxChunkSerializer {
public:
    explicit CTracingSerializer(std::string& trace) : m_trace(trace) {}
    void BeginRead() override { Add("("); }
    void ReadChunk(CStippleboxChunkFile& file, uint16_t identifier, uint32_t length) override
    {
        Add(std::to_string(identifier) + ":" + std::to_string(length));
        if (identifier == 50) {
            CTracingSerializer(m_trace).ReadChunks(file, length);
            m_trace += ")";
        } else if (identifier == 1) {
            m_trace += "=" + std::to_string(ReadDwordPayload(file, length));
        }
    }

private:
    void Add(const std::string& text) { m_trace += (m_trace.empty() || m_trace.back() == '(' ? "" : " ") + text; }
    std::string& m_trace;
};

// The trace of reading `length` bytes of chunks, and where reading ended.
std::pair<std::string, uint64_t> Trace(Bytes bytes, uint64_t length)
{
    CMemFile memory(bytes);
    CStippleboxChunkFile file;
    file.Attach(&memory, false);
    std::string trace;
    CTracingSerializer(trace).ReadChunks(file, length);
    const uint64_t end = file.GetPosition();
    file.Detach();
    return {trace, end};
}

}  // namespace

// How chunks are written is checked byte for byte by the native format's
// two-by-one example (SbxFormat).
TEST(ChunkReading, ReadersSeeEveryChunkAndNothingBeyondTheirParentOrTheStream)
{
    const Bytes unknown = WriteWith([](CStippleboxChunkFile& f) {
        f.WriteDwordChunk(1, 11);
        f.WriteBytesChunk(999, Bytes(13, 0xEE));
        f.WriteDwordChunk(1, 22);
    });
    const Bytes nested = WriteWith([](CStippleboxChunkFile& f) {
        f.BeginChunk(50);
        f.WriteDwordChunk(1, 100);
        f.WriteDwordChunk(1, 200);
        f.EndChunk();
        f.WriteDwordChunk(1, 300);
    });
    // Inside parent 50 a data chunk claims 1000 bytes but only 4 remain.
    const Bytes pastParent = WriteWith([](CStippleboxChunkFile& f) {
        f.BeginChunk(50);
        f.WriteDwordChunk(1, 100);
        f.WriteWord(1);
        f.WriteDword(1000);
        f.WriteDword(200);
        f.EndChunk();
        f.WriteDwordChunk(1, 300);
    });
    const Bytes pastStream = WriteWith([](CStippleboxChunkFile& f) {
        f.WriteWord(1);
        f.WriteDword(0xFFFFFFF0u);
        f.WriteDword(42);
    });
    const struct {
        const char* what;
        Bytes bytes;
        uint64_t length;
        std::string trace;
    } kCases[] = {
        {"an unknown chunk is skipped", unknown, unknown.size(), "(1:4=11 999:13 1:4=22"},
        {"a zero length begins and reads nothing", unknown, 0, "("},
        {"nested chunks go to their own object", nested, nested.size(), "(50:20 (1:4=100 1:4=200) 1:4=300"},
        {"a chunk is cut to its parent's end", pastParent, pastParent.size(), "(50:20 (1:4=100 1:4=200) 1:4=300"},
        {"a chunk is cut to the stream's end", pastStream, 0xFFFFFFFFu, "(1:4=42"},
        {"a torn header is not read", {0x01, 0x00, 0x04}, 3, "("},
    };
    for (const auto& c : kCases) {
        EXPECT_EQ(Trace(c.bytes, c.length), std::make_pair(c.trace, std::min<uint64_t>(c.length, c.bytes.size())))
            << c.what;
    }
    // Two bytes cannot hold a dword.
    EXPECT_THROW(Trace({0x01, 0x00, 0x02, 0x00, 0x00, 0x00, 0xAA, 0xBB, 0x01, 0x00, 0x04, 0x00, 0x00, 0x00}, 14),
                 CDataFormatException);
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
