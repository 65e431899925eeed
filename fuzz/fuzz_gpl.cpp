#include "formats/palette_files/gimp_palette.h"
#include "fuzz_palette_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    return FuzzPaletteRead<ParseGimpPalette, FormatGimpPalette>(data, size);
}
