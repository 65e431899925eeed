#include <gtest/gtest.h>
#include <png.h>

#include "formats/serializer_image_png.h"
#include "model/stipplebox_data.h"
#include "support/format_test_support.h"
#include "support/headless_message_box_scope.h"

namespace {

// A PNG made with libpng directly: pixel values run 0, 1, 2, ... modulo the
// depth's range; palette entry i is (i, 2i, 255 − i).
std::vector<uint8_t> MakePng(int width, int height, int bitDepth, int colorType, int paletteCount = 0,
                             std::vector<uint8_t> alphas = {})
{
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    std::vector<uint8_t> bytes;
    png_set_write_fn(
        png, &bytes,
        [](png_structp p, png_bytep data, size_t length) {
            auto* out = static_cast<std::vector<uint8_t>*>(png_get_io_ptr(p));
            out->insert(out->end(), data, data + length);
        },
        nullptr);
    png_set_IHDR(png, info, width, height, bitDepth, colorType, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    std::vector<png_color> palette(paletteCount);
    for (int i = 0; i < paletteCount; ++i) {
        palette[i] = {static_cast<uint8_t>(i), static_cast<uint8_t>(2 * i), static_cast<uint8_t>(255 - i)};
    }
    if (paletteCount > 0) {
        png_set_PLTE(png, info, palette.data(), paletteCount);
    }
    if (!alphas.empty()) {
        png_set_tRNS(png, info, alphas.data(), static_cast<int>(alphas.size()), nullptr);
    }
    png_write_info(png, info);
    png_set_packing(png);
    const int channels = png_get_channels(png, info);
    const int bytesPerSample = bitDepth == 16 ? 2 : 1;
    std::vector<uint8_t> row(size_t(width) * channels * bytesPerSample);
    const int range = bitDepth >= 8 ? 256 : 1 << bitDepth;
    for (int y = 0; y < height; ++y) {
        for (size_t x = 0; x < row.size(); ++x) {
            row[x] = static_cast<uint8_t>((y * width + x) % std::min(range, paletteCount > 0 ? paletteCount : 256));
        }
        png_write_row(png, row.data());
    }
    png_write_end(png, info);
    png_destroy_write_struct(&png, &info);
    return bytes;
}

SReadOutcome Read(const std::vector<uint8_t>& bytes, CStippleboxData& data)
{
    CSerializerImagePng serializer;
    return ReadOutcome(serializer, bytes, data);
}

bool HasChunk(const std::vector<uint8_t>& bytes, const char* name)
{
    return std::search(bytes.begin(), bytes.end(), name, name + 4) != bytes.end();
}

}  // namespace

// What it writes is read back in the format round-trip test and by
// ImageMagick in the interchange test; no transparency is among it.
TEST(PngSerializer, WritesNoTransparencyChunk)
{
    CSerializerImagePng serializer;
    EXPECT_FALSE(HasChunk(WriteToBytes(serializer, *MakeRandomPicture(9, 5, 3, 2)), "tRNS"));
}

// Packed pixels of every depth are read from other tools' files in the
// interchange and corpus tests.
TEST(PngSerializer, FillsThePaletteBeyondTheFilesColoursBlack)
{
    CStippleboxData data;
    const SReadOutcome result = Read(MakePng(5, 2, 4, PNG_COLOR_TYPE_PALETTE, 16), data);
    ASSERT_TRUE(result.ok) << result.error;
    EXPECT_EQ(data.GetCurrentPalette()->GetColor(16), (SPaletteColor{0, 0, 0}));
    EXPECT_EQ(data.GetCurrentPalette()->GetColor(255), (SPaletteColor{0, 0, 0}));
}

TEST(PngSerializer, OneFullyTransparentEntryBecomesTheBackgroundColour)
{
    CStippleboxData one;
    ASSERT_TRUE(Read(MakePng(2, 2, 8, PNG_COLOR_TYPE_PALETTE, 8, {255, 255, 255, 255, 255, 0, 128}), one).ok);
    EXPECT_EQ(one.GetBackgroundColor(), 5);
    CStippleboxData two;
    ASSERT_TRUE(Read(MakePng(2, 2, 8, PNG_COLOR_TYPE_PALETTE, 8, {0, 255, 0}), two).ok);
    EXPECT_EQ(two.GetBackgroundColor(), 0) << "two transparent entries change nothing";
}

TEST(PngSerializer, RefusesWhatADocumentCannotHold)
{
    const std::vector<uint8_t> good = MakePng(20, 20, 8, PNG_COLOR_TYPE_PALETTE, 4);
    std::vector<uint8_t> broken = good;
    broken[broken.size() - 20] ^= 0x55;  // inside the image data: its CRC fails
    const std::pair<std::vector<uint8_t>, const char*> kRefusals[] = {
        {MakePng(2, 2, 8, PNG_COLOR_TYPE_RGB), "256色を超える画像は未対応です。"},
        {MakePng(2, 2, 16, PNG_COLOR_TYPE_RGB), "色数が多すぎます。"},
        {MakePng(2, 2, 8, PNG_COLOR_TYPE_GRAY), "このパレットタイプには対応していません。"},
        {MakePng(2, 2, 8, PNG_COLOR_TYPE_RGB_ALPHA), "このパレットタイプには対応していません。"},
        {MakePng(1025, 1, 8, PNG_COLOR_TYPE_PALETTE, 2), "キャンバスサイズが大きすぎです。"},
        {{good.begin(), good.end() - 30}, "ファイル の終わりを越えて読み込もうとしました。"},
        {broken, "PNGファイルのデータが壊れています。"},
    };
    for (const auto& [bytes, message] : kRefusals) {
        CStippleboxData data;
        const SReadOutcome result = Read(bytes, data);
        EXPECT_FALSE(result.ok) << message;
        EXPECT_EQ(result.error, message);
    }
}

