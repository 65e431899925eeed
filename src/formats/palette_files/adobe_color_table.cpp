#include "formats/palette_files/adobe_color_table.h"

#include "platform/exceptions.h"

namespace {

constexpr size_t kEntries = 256;
constexpr size_t kTableBytes = kEntries * 3;
constexpr size_t kLongFormBytes = kTableBytes + 4;
constexpr uint16_t kNoTransparency = 0xFFFF;

uint16_t LoadBigEndianWord(const uint8_t* p)
{
    return static_cast<uint16_t>((p[0] << 8) | p[1]);
}

void AppendBigEndianWord(std::vector<uint8_t>& out, uint16_t value)
{
    out.push_back(static_cast<uint8_t>(value >> 8));
    out.push_back(static_cast<uint8_t>(value));
}

}  // namespace

SPaletteFile ParseAdobeColorTable(std::span<const uint8_t> bytes)
{
    if (bytes.size() != kTableBytes && bytes.size() != kLongFormBytes) {
        throw CDataFormatException("Adobeカラーテーブルの大きさが異常です : " + std::to_string(bytes.size()) +
                                   "バイト (768か772バイトです)");
    }
    size_t count = kEntries;
    SPaletteFile palette;
    if (bytes.size() == kLongFormBytes) {
        count = LoadBigEndianWord(&bytes[kTableBytes]);
        if (count < 1 || count > kEntries) {
            throw CDataFormatException("Adobeカラーテーブルの色数が異常です : " + std::to_string(count) + "色");
        }
        const uint16_t transparent = LoadBigEndianWord(&bytes[kTableBytes + 2]);
        if (transparent != kNoTransparency) {
            if (transparent >= count) {
                throw CDataFormatException("Adobeカラーテーブルの透明色の番号が異常です : " +
                                           std::to_string(transparent));
            }
            palette.transparentIndex = transparent;
        }
    }
    for (size_t i = 0; i < count; ++i) {
        palette.colors.push_back({bytes[i * 3 + 2], bytes[i * 3 + 1], bytes[i * 3]});
    }
    return palette;
}

std::vector<uint8_t> FormatAdobeColorTable(const SPaletteFile& palette)
{
    if (palette.colors.empty() || palette.colors.size() > kEntries) {
        throw CDataFormatException("Adobeカラーテーブルには1～256色を書き出せます。");
    }
    std::vector<uint8_t> out(kTableBytes, 0);
    for (size_t i = 0; i < palette.colors.size(); ++i) {
        out[i * 3] = palette.colors[i].red;
        out[i * 3 + 1] = palette.colors[i].green;
        out[i * 3 + 2] = palette.colors[i].blue;
    }
    AppendBigEndianWord(out, static_cast<uint16_t>(palette.colors.size()));
    const bool hasTransparency =
        palette.transparentIndex && *palette.transparentIndex >= 0 && size_t(*palette.transparentIndex) < palette.colors.size();
    AppendBigEndianWord(out, hasTransparency ? static_cast<uint16_t>(*palette.transparentIndex) : kNoTransparency);
    return out;
}
