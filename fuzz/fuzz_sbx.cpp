// The native reader on whole files: the identifier, the stored length and the
// zlib stream. fuzz_sbx_chunks reaches the chunks inside.
#include "formats/serializer_image_sbx.h"
#include "fuzz_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    return FuzzRead<CSerializerImageSbx>(data, size);
}
