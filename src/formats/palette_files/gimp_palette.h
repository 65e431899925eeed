#pragma once

#include "formats/palette_files/palette_file.h"

// GIMP palettes (.gpl): the line "GIMP Palette", then "Name:" and
// "Columns:" lines, "#" comments, empty lines and colour lines of three
// decimal values red, green, blue, each optionally followed by a colour name.
SPaletteFile ParseGimpPalette(std::span<const uint8_t> bytes);
std::vector<uint8_t> FormatGimpPalette(const SPaletteFile& palette);
