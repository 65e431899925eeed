#pragma once

#include "formats/palette_files/palette_file.h"

// Adobe colour tables (.act): 256 entries of three bytes red, green, blue
// (768 bytes), optionally followed by two big-endian 16-bit numbers: how many
// entries are in use (1..256) and the transparent entry (0xFFFF for none).
SPaletteFile ParseAdobeColorTable(std::span<const uint8_t> bytes);
// Always the long form: the colours (the rest of the table black), their
// count and the transparent entry.
std::vector<uint8_t> FormatAdobeColorTable(const SPaletteFile& palette);
