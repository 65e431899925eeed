#include "formats/palette_files/gimp_palette.h"

#include <cstdio>

#include "formats/palette_files/palette_text.h"
#include "platform/exceptions.h"

namespace {

constexpr std::string_view kGimpHeader = "GIMP Palette";
constexpr std::string_view kNameKey = "Name:";
constexpr std::string_view kColumnsKey = "Columns:";
constexpr int kColumns = 16;

// A name on one line: line breaks and other control characters would end
// the line early or change what the next reader sees.
std::string OneLine(const std::string& text)
{
    std::string line = text;
    for (char& c : line) {
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) {
            c = ' ';
        }
    }
    return line;
}

}  // namespace

SPaletteFile ParseGimpPalette(std::span<const uint8_t> bytes)
{
    const std::vector<SPaletteTextLine> lines = SplitPaletteText(bytes);
    if (lines.empty() || lines.front().text != kGimpHeader) {
        throw CDataFormatException("GIMPパレットではありません。");
    }
    SPaletteFile palette;
    for (size_t i = 1; i < lines.size(); ++i) {
        const SPaletteTextLine& line = lines[i];
        if (line.text.empty() || line.text.starts_with('#') || line.text.starts_with(kColumnsKey)) {
            continue;
        }
        if (line.text.starts_with(kNameKey)) {
            std::string_view name = line.text.substr(kNameKey.size());
            name.remove_prefix(std::min(name.find_first_not_of(" \t"), name.size()));
            palette.name = name;
            continue;
        }
        std::string_view colorName;
        palette.colors.push_back(ParseDecimalColor(line, &colorName));
    }
    return palette;
}

std::vector<uint8_t> FormatGimpPalette(const SPaletteFile& palette)
{
    std::vector<uint8_t> out;
    AppendLine(out, kGimpHeader, "\n");
    AppendLine(out, std::string(kNameKey) + " " + OneLine(palette.name), "\n");
    AppendLine(out, std::string(kColumnsKey) + " " + std::to_string(kColumns), "\n");
    AppendLine(out, "#", "\n");
    for (size_t i = 0; i < palette.colors.size(); ++i) {
        const SPaletteColor& color = palette.colors[i];
        char line[48];
        std::snprintf(line, sizeof line, "%3d %3d %3d\tIndex %zu", color.red, color.green, color.blue, i);
        AppendLine(out, line, "\n");
    }
    return out;
}
