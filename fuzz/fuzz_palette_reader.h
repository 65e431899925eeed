#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

#include "formats/palette_files/palette_file.h"
#include "platform/exceptions.h"

// Parses the bytes with a palette file reader. A refusal is a clean outcome;
// what it accepts must come back alike through the format's writer, or the
// run stops as a find. A crash, a sanitizer report or another exception is a
// find too.
template <SPaletteFile (*Parse)(std::span<const uint8_t>), std::vector<uint8_t> (*Format)(const SPaletteFile&)>
int FuzzPaletteRead(const uint8_t* data, size_t size)
{
    SPaletteFile palette;
    try {
        palette = Parse({data, size});
    } catch (const CDataFormatException&) {
        return 0;
    }
    if (palette.colors.empty()) {
        return 0;
    }
    const SPaletteFile again = Parse(Format(palette));
    if (again.colors != palette.colors || again.transparentIndex != palette.transparentIndex) {
        __builtin_trap();
    }
    return 0;
}
