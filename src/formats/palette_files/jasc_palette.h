#pragma once

#include "formats/palette_files/palette_file.h"

// JASC palettes (.pal): the lines "JASC-PAL" and "0100", the number of
// colours, then that many lines of three decimal values red, green, blue.
// Written with CR LF line ends, as the format's home platform writes them.
SPaletteFile ParseJascPalette(std::span<const uint8_t> bytes);
std::vector<uint8_t> FormatJascPalette(const SPaletteFile& palette);
