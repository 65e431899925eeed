#include <gtest/gtest.h>

#include <cstring>

#include "formats/byte_reader.h"
#include "formats/serializer_image_dpx.h"
#include "model/stipplebox_data.h"
#include "platform/exceptions.h"
#include "support/format_test_support.h"

namespace {

constexpr size_t kFirstLayer = 160 + 1024;

// What layers keep is the format round-trip test's; these need a sound file.
std::unique_ptr<CStippleboxData> MakeThreeLayers()
{
    auto data = MakeRandomPicture(6, 3, 256, 8);
    data->GetLayers()->NewLayer(1, 6, 3)->Fill(4);
    data->GetLayers()->NewLayer(2, 6, 3)->Fill(5);
    data->GetCurrentLayer()->SetName(u"前面");
    return data;
}

SReadOutcome ReadDpx(const std::vector<uint8_t>& bytes, CStippleboxData& data)
{
    CSerializerImageDpx dpx;
    return ReadOutcome(dpx, bytes, data);
}

}  // namespace

TEST(DpxSerializer, WritesTheHeaderPaletteLayersAndTrailer)
{
    auto data = MakeRandomPicture(5, 1, 256, 2);
    const uint8_t row[] = {7, 7, 7, 1, 2};
    std::memcpy(data->GetCurrentLayer()->GetPixels(), row, 5);
    data->SetBackgroundColor(9);
    data->GetCurrentPalette()->SetMasked(1, true);
    CSerializerImageDpx dpx;
    const std::vector<uint8_t> bytes = WriteToBytes(dpx, *data);
    ASSERT_EQ(bytes.size(), kFirstLayer + 384 + 8 + 8);

    const std::string text(reinterpret_cast<const char*>(bytes.data()));
    ASSERT_EQ(text.size(), 118u);
    EXPECT_EQ(text.substr(0, 4), "DPX\n");
    EXPECT_EQ(text.find('\n', 4), 47u) << "a notice line of 43 bytes";
    EXPECT_EQ(text.substr(48, 28), "Serialized By Stipple Box 2\n");
    EXPECT_EQ(text.substr(76, 13), "Stipple Box 2");
    EXPECT_TRUE(std::all_of(bytes.begin() + 118, bytes.begin() + 128, [](uint8_t b) { return b == 0; }));
    const SPaletteColor& color = data->GetCurrentPalette()->GetColor(1);
    EXPECT_EQ(bytes[160 + 4], color.blue);
    EXPECT_EQ(bytes[160 + 6], color.red);
    EXPECT_EQ(bytes[160 + 7], 0);

    const uint8_t* header = &bytes[kFirstLayer];
    EXPECT_STREQ(reinterpret_cast<const char*>(header + 32), "Layer001");
    const std::pair<size_t, uint32_t> kFields[] = {
        {128, 0x2110}, {132, 1}, {136, 5}, {140, 1}, {144, 1},
        {kFirstLayer, 384}, {kFirstLayer + 4, 0x110020},  // visible, compressed, masks valid
        {kFirstLayer + 8, 9}, {kFirstLayer + 12, 16}, {kFirstLayer + 20, 9}, {kFirstLayer + 24, 8},
        {kFirstLayer + 104, 5}, {kFirstLayer + 108, 1},
        {kFirstLayer + 112, 83}, {kFirstLayer + 116, 2},  // 500 ticks are 83 ms
    };
    for (const auto& [offset, value] : kFields) {
        EXPECT_EQ(LoadDword(&bytes[offset]), value) << "offset " << offset;
    }
    EXPECT_EQ(header[128 + 1], 1);
    EXPECT_EQ(header[128 + 2], 0);
    EXPECT_EQ(std::vector<uint8_t>(header + 384, header + 392), (std::vector<uint8_t>{7, 7, 3, 1, 2, 0, 0, 3}));
    EXPECT_EQ(std::string(bytes.end() - 8, bytes.end() - 4), "EOF ");
    EXPECT_EQ(LoadDword(&bytes[bytes.size() - 4]), 0u);
}

// Layers, visibility, delays, the mask and the background come back in the
// format round-trip test, which leaves names outside Shift-JIS to this one.
TEST(DpxSerializer, NamesAreShiftJisCutTo63BytesBackmostLayerFirst)
{
    const std::pair<std::u16string, std::u16string> kNames[] = {
        {std::u16string(63, u'n'), std::u16string(63, u'n')},
        {std::u16string(70, u'n'), std::u16string(63, u'n')},
        {u"a" + std::u16string(40, u'字'), u"a" + std::u16string(31, u'字')},  // whole characters only
        {u"背景\U0001F3A8", u"背景?"},  // a character Shift-JIS lacks
    };
    auto data = MakeRandomPicture(2, 1, 2, 1);
    for (size_t i = 0; i < std::size(kNames); ++i) {
        CStippleboxLayer& layer = i == 0 ? *data->GetCurrentLayer() : *data->GetLayers()->NewLayer(int(i), 2, 1);
        layer.SetName(kNames[i].first);
    }
    CSerializerImageDpx dpx;
    const std::vector<uint8_t> bytes = WriteToBytes(dpx, *data);
    EXPECT_STREQ(reinterpret_cast<const char*>(&bytes[kFirstLayer + 32]), "\x94\x77\x8C\x69?");
    CStippleboxData back;
    ASSERT_TRUE(ReadDpx(bytes, back).ok);
    for (size_t i = 0; i < std::size(kNames); ++i) {
        EXPECT_EQ(back.GetLayers()->GetAt(int(i))->GetLayerName(), kNames[i].second) << i;
    }
}

TEST(DpxSerializer, CompressedMaskDataIsSkipped)
{
    auto data = MakeThreeLayers();
    CSerializerImageDpx dpx;
    std::vector<uint8_t> bytes = WriteToBytes(dpx, *data);
    uint8_t* header = &bytes[kFirstLayer];
    const size_t pixelSize = LoadDword(header + 24);
    StoreDword(header + 4, LoadDword(header + 4) | 0x11);
    StoreDword(header + 16, 5);
    bytes.insert(bytes.begin() + kFirstLayer + 384 + pixelSize, {1, 2, 3, 4, 5});
    CStippleboxData back;
    const SReadOutcome result = ReadDpx(bytes, back);
    ASSERT_TRUE(result.ok) << result.error;
    EXPECT_EQ(back.GetLayers()->GetSize(), 3);
    EXPECT_EQ(back.GetLayers()->GetAt(0)->GetLayerName(), u"前面");
}

TEST(DpxSerializer, RefusesBrokenFilesWithTheirReason)
{
    CSerializerImageDpx dpx;
    const std::vector<uint8_t> good = WriteToBytes(dpx, *MakeThreeLayers());
    auto with = [&](size_t offset, uint32_t value) {
        std::vector<uint8_t> bytes = good;
        StoreDword(&bytes[offset], value);
        return bytes;
    };
    const std::pair<std::vector<uint8_t>, const char*> kRefusals[] = {
        {with(0, 0x0A595044), "このファイルはPelmark形式ではありません。"},  // "DPY\n"
        {with(136, 0), "キャンバスサイズが異常です。"},
        {with(144, 0), "レイヤが1枚もありません。"},
        {with(kFirstLayer, 385), "レイヤヘッダのサイズが異常です : 385"},
        {with(kFirstLayer, 3), "レイヤヘッダのサイズが異常です : 3"},
        {with(kFirstLayer + 4, 0x110000), "画像データが圧縮されていません。"},
        {with(kFirstLayer + 4, 0x110021), "マスクデータが圧縮されていません。"},
        {with(kFirstLayer + 24, 2), "画像データが途中で終わっています。"},  // the code stops after one byte pair
        {with(kFirstLayer + 24, 0), "画像データが途中で終わっています。"},
    };
    for (const auto& [bytes, message] : kRefusals) {
        CStippleboxData back;
        const SReadOutcome result = ReadDpx(bytes, back);
        EXPECT_FALSE(result.ok) << message;
        EXPECT_EQ(result.error, message);
    }

    // A file that ends inside a block, or a data size past its end, is the
    // framework's end-of-file failure.
    const std::vector<uint8_t> kShortFiles[] = {
        with(kFirstLayer + 24, 0x7FFFFFFF), {good.begin(), good.begin() + 100},
        {good.begin(), good.begin() + kFirstLayer + 200}};
    for (const auto& bytes : kShortFiles) {
        CStippleboxData back;
        EXPECT_THROW(ReadDpx(bytes, back), CFileException) << bytes.size();
    }
}
