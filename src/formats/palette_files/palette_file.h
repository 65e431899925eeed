#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "model/stipplebox_palette.h"

// A palette as the palette files of other programs hold it: colours in entry
// order, the palette's name where the format keeps one (UTF-8), and the entry
// an Adobe colour table marks as transparent.
struct SPaletteFile {
    std::vector<SPaletteColor> colors;
    std::string name;
    std::optional<int> transparentIndex;
};

// One palette file format. The parser refuses a malformed file by raising
// CDataFormatException with the reason; the formatter writes every colour.
struct SPaletteFileFormat {
    const char* label;
    const char* extension;
    SPaletteFile (*parse)(std::span<const uint8_t> bytes);
    std::vector<uint8_t> (*format)(const SPaletteFile& palette);
};
