#pragma once

#include "formats/palette_files/palette_file.h"

// Hex colour lists (.hex): one colour a line as six hexadecimal digits
// RRGGBB, in either case, optionally after a "#". Empty lines are passed over.
SPaletteFile ParseHexPalette(std::span<const uint8_t> bytes);
std::vector<uint8_t> FormatHexPalette(const SPaletteFile& palette);
