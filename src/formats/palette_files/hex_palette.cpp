#include "formats/palette_files/hex_palette.h"

#include <algorithm>
#include <charconv>
#include <cstdio>

#include "formats/palette_files/palette_text.h"

namespace {

bool IsHexDigit(char c)
{
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

}  // namespace

SPaletteFile ParseHexPalette(std::span<const uint8_t> bytes)
{
    SPaletteFile palette;
    for (const SPaletteTextLine& line : SplitPaletteText(bytes)) {
        std::string_view text = line.text;
        if (text.empty()) {
            continue;
        }
        if (text.starts_with('#')) {
            text.remove_prefix(1);
        }
        if (text.size() != 6 || !std::all_of(text.begin(), text.end(), IsHexDigit)) {
            ThrowLineError(line.number, "RRGGBB形式の色ではありません。");
        }
        uint32_t rgb = 0;
        std::from_chars(text.data(), text.data() + text.size(), rgb, 16);
        palette.colors.push_back(SPaletteColor::FromRgb(rgb));
    }
    return palette;
}

std::vector<uint8_t> FormatHexPalette(const SPaletteFile& palette)
{
    std::vector<uint8_t> out;
    for (const SPaletteColor& color : palette.colors) {
        char line[8];
        std::snprintf(line, sizeof line, "%02x%02x%02x", color.red, color.green, color.blue);
        AppendLine(out, line, "\n");
    }
    return out;
}
