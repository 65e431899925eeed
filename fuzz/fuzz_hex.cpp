#include "formats/palette_files/hex_palette.h"
#include "fuzz_palette_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    return FuzzPaletteRead<ParseHexPalette, FormatHexPalette>(data, size);
}
