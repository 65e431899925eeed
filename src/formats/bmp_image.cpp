#include "formats/bmp_image.h"

#include <algorithm>
#include <cstring>

#include "formats/byte_reader.h"
#include "formats/serializer.h"

namespace {

constexpr uint32_t kWindowsHeaderSize = 40;
constexpr uint32_t kOs2HeaderSize = 12;

constexpr char kNotBitmapText[] = "このファイルはビットマップ形式ではありません。";
constexpr char kTruncatedText[] = "ファイルが途中で終わっています。";
constexpr char kUnsupportedHeaderText[] = "この形式のビットマップには対応していません。";
constexpr char kUnsupportedDepthText[] = "この色数のビットマップには対応していません。";
constexpr char kColorTableOutsideText[] = "カラーテーブルがファイルの範囲外にあります。";
constexpr char kPixelsOutsideText[] = "画像データがファイルの範囲外にあります。";

bool Fail(std::string* error, const char* text)
{
    *error = text;
    return false;
}

}  // namespace

bool ParseBmpImage(std::span<const uint8_t> file, SBmpImage& image, std::string* error)
{
    if (file.size() < 2 || file[0] != 'B' || file[1] != 'M') {
        return Fail(error, kNotBitmapText);
    }
    if (file.size() < kBmpFileHeaderSize + 4) {
        return Fail(error, kTruncatedText);
    }
    const uint32_t pixelOffset = LoadDword(file.data() + 10);
    // Offsets from here on count from the end of the file header.
    const std::span<const uint8_t> data = file.subspan(kBmpFileHeaderSize);
    const uint32_t headerSize = LoadDword(data.data());
    if (headerSize != kWindowsHeaderSize && headerSize != kOs2HeaderSize) {
        return Fail(error, kUnsupportedHeaderText);
    }
    if (data.size() < headerSize) {
        return Fail(error, kTruncatedText);
    }

    const bool isWindows = headerSize == kWindowsHeaderSize;
    uint32_t colorsUsed = 0;
    if (isWindows) {
        image.width = static_cast<int32_t>(LoadDword(data.data() + 4));
        image.height = static_cast<int32_t>(LoadDword(data.data() + 8));
        image.bitsPerPixel = LoadWord(data.data() + 14);
        colorsUsed = LoadDword(data.data() + 32);
    } else {
        image.width = LoadWord(data.data() + 4);
        image.height = LoadWord(data.data() + 6);
        image.bitsPerPixel = LoadWord(data.data() + 10);
    }
    if (!CSerializerImage::CheckCanvasSize(image.width, image.height, error)) {
        return false;
    }
    if (image.bitsPerPixel != 1 && image.bitsPerPixel != 4 && image.bitsPerPixel != 8) {
        return Fail(error, kUnsupportedDepthText);
    }
    const uint64_t fullTable = uint64_t{1} << image.bitsPerPixel;
    const size_t entrySize = isWindows ? 4 : 3;
    uint64_t colorCount = colorsUsed != 0 ? colorsUsed : fullTable;
    if (!isWindows) {
        // The header has no count: the table fills the space before the
        // pixels, up to a full one.
        const uint64_t tableEnd = std::max<uint64_t>(pixelOffset, kBmpFileHeaderSize + headerSize);
        colorCount = std::min(fullTable, (tableEnd - kBmpFileHeaderSize - headerSize) / entrySize);
    }
    if (headerSize + colorCount * entrySize > data.size()) {
        return Fail(error, kColorTableOutsideText);
    }
    // A table longer than a palette holds adds nothing to it.
    colorCount = std::min<uint64_t>(colorCount, CStippleboxPalette::kEntryCount);
    image.colors.resize(colorCount);
    for (size_t i = 0; i < colorCount; ++i) {
        const uint8_t* entry = data.data() + headerSize + i * entrySize;
        image.colors[i] = {entry[0], entry[1], entry[2]};
    }

    image.stride = (size_t(image.bitsPerPixel) * image.width + 31) / 32 * 4;
    const uint64_t pixelBytes = uint64_t{image.stride} * image.height;
    if (pixelOffset < kBmpFileHeaderSize || pixelOffset - kBmpFileHeaderSize + pixelBytes > data.size()) {
        return Fail(error, kPixelsOutsideText);
    }
    image.bottomRow = data.subspan(pixelOffset - kBmpFileHeaderSize, pixelBytes);
    return true;
}

std::vector<uint8_t> SBmpImage::Unpack() const
{
    std::vector<uint8_t> pixels(size_t(width) * height);
    for (int y = 0; y < height; ++y) {
        const uint8_t* row = bottomRow.data() + size_t(height - 1 - y) * stride;
        uint8_t* out = pixels.data() + size_t(y) * width;
        switch (bitsPerPixel) {
        case 1:
            for (int x = 0; x < width; ++x) {
                out[x] = (row[x >> 3] >> (7 - (x & 7))) & 1;
            }
            break;
        case 4:
            for (int x = 0; x < width; ++x) {
                out[x] = (row[x >> 1] >> (x & 1 ? 0 : 4)) & 0x0F;
            }
            break;
        default:
            std::memcpy(out, row, width);
            break;
        }
    }
    return pixels;
}
