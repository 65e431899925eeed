#include "formats/palette_files/jasc_palette.h"
#include "fuzz_palette_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    return FuzzPaletteRead<ParseJascPalette, FormatJascPalette>(data, size);
}
