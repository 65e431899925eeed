// The native reader on the chunk stream inside a file: the input is the
// inflated stream itself, wrapped in a native file with zlib's stored blocks,
// so that mutations reach the document, layer and palette readers instead of
// breaking the compressed data. A document that is read must also save to a
// file that reads back to the same document.
#include <zlib.h>

#include <vector>

#include "formats/sbx_file.h"
#include "formats/serializer_image_sbx.h"
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

std::vector<uint8_t> Saved(CStippleboxData& document)
{
    CMemFile file;
    if (!sbx::Save(document, file, nullptr)) {
        FuzzFinding("a document that was read cannot be saved");
    }
    return file.Detach();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // The stored length is 32 bits.
    if (size > 0xFFFFFFFF) {
        return 0;
    }
    const auto document = FuzzReadDocument<CSerializerImageSbx>(WrapInNativeFile(data, size));
    if (document == nullptr) {
        return 0;
    }
    const std::vector<uint8_t> saved = Saved(*document);
    const auto reread = FuzzReadDocument<CSerializerImageSbx>(saved);
    if (reread == nullptr || Saved(*reread) != saved) {
        FuzzFinding("a document that was read does not read back from the file it saves");
    }
    return 0;
}
