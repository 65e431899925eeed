#include "formats/palette_files/jasc_palette.h"

#include <cstdio>

#include "formats/palette_files/palette_text.h"
#include "platform/exceptions.h"

namespace {

constexpr std::string_view kJascHeader = "JASC-PAL";
constexpr std::string_view kJascVersion = "0100";
constexpr std::string_view kLineBreak = "\r\n";

}  // namespace

SPaletteFile ParseJascPalette(std::span<const uint8_t> bytes)
{
    const std::vector<SPaletteTextLine> lines = SplitPaletteText(bytes);
    if (lines.empty() || lines[0].text != kJascHeader) {
        throw CDataFormatException("JASCパレットではありません。");
    }
    if (lines.size() < 3 || lines[1].text != kJascVersion) {
        throw CDataFormatException("JASCパレットの版が異常です。");
    }
    const int count = ParseDecimalCount(lines[2]);
    // Each colour takes a line of its own, so a count beyond the lines left
    // cannot be met; it is refused before anything is reserved for it.
    const size_t available = lines.size() - 3;
    if (count < 1 || size_t(count) > available) {
        throw CDataFormatException("色数が異常です : " + std::to_string(count) + "色 (色の行は" +
                                   std::to_string(available) + "行)");
    }
    SPaletteFile palette;
    palette.colors.reserve(count);
    for (int i = 0; i < count; ++i) {
        std::string_view rest;
        palette.colors.push_back(ParseDecimalColor(lines[3 + i], &rest));
        if (!rest.empty()) {
            ThrowLineError(lines[3 + i].number, "色の値の後ろに余計な文字があります。");
        }
    }
    return palette;
}

std::vector<uint8_t> FormatJascPalette(const SPaletteFile& palette)
{
    std::vector<uint8_t> out;
    AppendLine(out, kJascHeader, kLineBreak);
    AppendLine(out, kJascVersion, kLineBreak);
    AppendLine(out, std::to_string(palette.colors.size()), kLineBreak);
    for (const SPaletteColor& color : palette.colors) {
        char line[16];
        std::snprintf(line, sizeof line, "%d %d %d", color.red, color.green, color.blue);
        AppendLine(out, line, kLineBreak);
    }
    return out;
}
