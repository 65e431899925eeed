#include <gtest/gtest.h>

#include "formats/byte_reader.h"
#include "formats/serializer_image_bmp.h"
#include "model/stipplebox_data.h"
#include "support/format_test_support.h"

namespace {

// A bitmap file made by hand: a 40-byte header, the colour entries, then the
// rows as given (bottom row first).
std::vector<uint8_t> MakeBmp(int width, int height, int bitsPerPixel, uint32_t colorsUsed, int entryCount,
                             const std::vector<uint8_t>& rows)
{
    const size_t pixelOffset = 14 + 40 + entryCount * 4;
    std::vector<uint8_t> bytes(pixelOffset, 0);
    bytes[0] = 'B';
    bytes[1] = 'M';
    StoreDword(&bytes[2], static_cast<uint32_t>(pixelOffset + rows.size()));
    StoreDword(&bytes[10], static_cast<uint32_t>(pixelOffset));
    StoreDword(&bytes[14], 40);
    StoreDword(&bytes[18], static_cast<uint32_t>(width));
    StoreDword(&bytes[22], static_cast<uint32_t>(height));
    StoreWord(&bytes[26], 1);
    StoreWord(&bytes[28], bitsPerPixel);
    StoreDword(&bytes[46], colorsUsed);
    for (int i = 0; i < entryCount; ++i) {
        uint8_t* entry = &bytes[54 + i * 4];
        entry[0] = static_cast<uint8_t>(i);        // blue
        entry[1] = static_cast<uint8_t>(i * 2);    // green
        entry[2] = static_cast<uint8_t>(255 - i);  // red
    }
    bytes.insert(bytes.end(), rows.begin(), rows.end());
    return bytes;
}

SReadOutcome ReadBmp(const std::vector<uint8_t>& bytes, CStippleboxData& data)
{
    CSerializerImageBmp bmp;
    return ReadOutcome(bmp, bytes, data);
}

std::vector<uint8_t> Row(std::initializer_list<int> bytes)
{
    std::vector<uint8_t> row;
    for (const int b : bytes) {
        row.push_back(static_cast<uint8_t>(b));
    }
    return row;
}

}  // namespace

TEST(BmpSerializer, WritesAnUncompressed8BitBitmapBottomRowFirst)
{
    auto data = MakeRandomPicture(3, 2, 256, 4);
    CSerializerImageBmp bmp;
    const std::vector<uint8_t> bytes = WriteToBytes(bmp, *data);
    ASSERT_EQ(bytes.size(), 1086u);
    EXPECT_EQ(bytes[0], 'B');
    EXPECT_EQ(bytes[1], 'M');
    // File size, reserved, pixel offset, header size, width, height; then
    // compression, image size, resolutions and colour counts all 0.
    const std::pair<size_t, uint32_t> kFields[] = {{2, 1086}, {6, 0},  {10, 1078}, {14, 40}, {18, 3}, {22, 2},
                                                   {30, 0},   {34, 0}, {38, 0},    {42, 0},  {46, 0}, {50, 0}};
    for (const auto& [offset, value] : kFields) {
        EXPECT_EQ(LoadDword(&bytes[offset]), value) << "offset " << offset;
    }
    EXPECT_EQ(LoadWord(&bytes[26]), 1);
    EXPECT_EQ(LoadWord(&bytes[28]), 8);
    EXPECT_EQ(bytes[54 + 4 * 255 + 3], 0) << "the colours' reserved byte";
    const CStippleboxLayer& layer = *data->GetCurrentLayer();
    EXPECT_EQ(Row({bytes[1078], bytes[1079], bytes[1080], bytes[1081]}),
              Row({layer.GetPixel(0, 1), layer.GetPixel(1, 1), layer.GetPixel(2, 1), 0}));
    EXPECT_EQ(bytes[1082], layer.GetPixel(0, 0));
}

TEST(BmpSerializer, BoundsAColoursUsedCountAboveAPalette)
{
    CStippleboxData data;
    const SReadOutcome result = ReadBmp(MakeBmp(1, 1, 8, 300, 300, Row({9, 0, 0, 0})), data);
    ASSERT_TRUE(result.ok) << result.error;
    EXPECT_EQ(data.GetCurrentPalette()->GetColor(255), (SPaletteColor{255, 254, 0}));
}

TEST(BmpSerializer, RefusesWhatItCannotOrMustNotRead)
{
    const std::vector<uint8_t> row8 = Row({1, 2, 3, 0});
    std::vector<uint8_t> notBitmap = MakeBmp(3, 1, 8, 0, 256, row8);
    notBitmap[1] = 'A';
    std::vector<uint8_t> v4Header = MakeBmp(3, 1, 8, 0, 0, row8);
    StoreDword(&v4Header[14], 108);
    std::vector<uint8_t> offsetPastEnd = MakeBmp(3, 1, 8, 0, 256, row8);
    StoreDword(&offsetPastEnd[10], 0xFFFFFFF0);
    const std::pair<std::vector<uint8_t>, const char*> kRefusals[] = {
        {MakeBmp(3, 1, 24, 0, 0, Row({1, 2, 3, 4, 5, 6, 7, 8, 9, 0, 0, 0})), "この色数のビットマップには対応していません。"},
        {MakeBmp(3, 1, 2, 0, 4, row8), "この色数のビットマップには対応していません。"},
        {MakeBmp(3, -1, 8, 0, 256, row8), "キャンバスサイズが異常です。"},
        {MakeBmp(1025, 1, 8, 0, 256, std::vector<uint8_t>(1028)), "キャンバスサイズが大きすぎです。"},
        {v4Header, "この形式のビットマップには対応していません。"},
        {notBitmap, "このファイルはビットマップ形式ではありません。"},
        {MakeBmp(3, 1, 8, 0x12345678, 256, row8), "カラーテーブルがファイルの範囲外にあります。"},
        {MakeBmp(3, 2, 8, 0, 256, row8), "画像データがファイルの範囲外にあります。"},
        {offsetPastEnd, "画像データがファイルの範囲外にあります。"},
        {{'B', 'M', 0, 0}, "ファイルが途中で終わっています。"},
    };
    for (const auto& [bytes, message] : kRefusals) {
        CStippleboxData data;
        const SReadOutcome result = ReadBmp(bytes, data);
        EXPECT_FALSE(result.ok) << message;
        EXPECT_EQ(result.error, message);
    }
}
