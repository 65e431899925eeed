// The native reader on the chunk stream inside a file: the input is the
// inflated stream itself, wrapped in a native file with zlib's stored blocks,
// so that mutations reach the document, layer and palette readers instead of
// breaking the compressed data. A document that is read must also write a
// stream that reads back to the same document.
#include <zlib.h>

#include <vector>

#include "formats/serializer_image_sbx.h"
#include "formats/stipplebox_chunk_file.h"
#include "fuzz_reader.h"

namespace {

std::vector<uint8_t> WrapInNativeFile(const uint8_t* stream, size_t size)
{
    std::vector<uint8_t> file;
    for (const char16_t unit : CStippleboxData().GetName()) {
        file.push_back(static_cast<uint8_t>(unit));
        file.push_back(static_cast<uint8_t>(unit >> 8));
    }
    for (int shift = 0; shift < 32; shift += 8) {
        file.push_back(static_cast<uint8_t>(size >> shift));
    }
    const size_t header = file.size();
    uLongf packed = compressBound(size);
    file.resize(header + packed);
    if (compress2(file.data() + header, &packed, stream, size, Z_NO_COMPRESSION) != Z_OK) {
        FuzzFinding("zlib could not store the stream");
    }
    file.resize(header + packed);
    return file;
}

std::vector<uint8_t> ChunkStreamOf(CStippleboxData& document)
{
    CMemFile memory;
    CStippleboxChunkFile file;
    file.Attach(&memory, false);
    document.WriteChunks(file);
    file.Detach();
    return memory.Detach();
}

// The document read from the chunk stream, or null when it is refused.
std::unique_ptr<CStippleboxData> ReadStream(const uint8_t* stream, size_t size)
{
    std::vector<uint8_t> bytes = WrapInNativeFile(stream, size);
    CMemFile file(bytes);
    auto document = std::make_unique<CStippleboxData>();
    CSerializerImageSbx serializer;
    if (serializer.ReadFrom(file, document.get(), false)) {
        ExpectCompleteDocument(*document);
        return document;
    }
    if (serializer.GetErrorText().empty() && FuzzMessageBox().GetRecords().empty()) {
        FuzzFinding("refused without a message");
    }
    return nullptr;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // The stored length is 32 bits.
    if (size > 0xFFFFFFFF) {
        return 0;
    }
    FuzzMessageBox().ClearRecords();
    const auto document = ReadStream(data, size);
    if (document == nullptr) {
        return 0;
    }
    const std::vector<uint8_t> written = ChunkStreamOf(*document);
    const auto reread = ReadStream(written.data(), written.size());
    if (reread == nullptr || ChunkStreamOf(*reread) != written) {
        FuzzFinding("a document read from a stream does not read back from the stream it writes");
    }
    return 0;
}
