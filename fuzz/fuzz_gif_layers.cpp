#include "formats/serializer_image_gif_layers.h"
#include "fuzz_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    return FuzzRead<CSerializerImageGifLayers>(data, size);
}
