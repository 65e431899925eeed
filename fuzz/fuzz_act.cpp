#include "formats/palette_files/adobe_color_table.h"
#include "fuzz_palette_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    return FuzzPaletteRead<ParseAdobeColorTable, FormatAdobeColorTable>(data, size);
}
