#include <gtest/gtest.h>

#include <cstring>

#include "formats/byte_reader.h"
#include "formats/dpx_run_length.h"
#include "formats/serializer_image_dpx.h"
#include "model/stipplebox_data.h"
#include "platform/exceptions.h"
#include "support/format_test_support.h"

namespace {

constexpr size_t kFirstLayer = 160 + 1024;

std::unique_ptr<CStippleboxData> MakeThreeLayers()
{
    auto data = MakeRandomPicture(6, 3, 256, 8);
    CStippleboxLayerPtrArray& layers = *data->GetLayers();
    layers.NewLayer(1, 6, 3)->Fill(4);
    layers.NewLayer(2, 6, 3)->Fill(5);
    layers[0]->SetName(u"前面");
    layers[1]->SetName(u"middle");
    layers[1]->SetVisible(false);
    layers[2]->SetName(u"背景\U0001F3A8");
    layers[0]->GetDelay().SetDelay(125, CDelay::kMillisecondsUnit, false);
    layers[1]->GetDelay().SetDelay(1, 0, false);  // one tick is less than a millisecond
    layers[2]->GetDelay().SetDelay(3, 1, false);
    data->SetBackgroundColor(200);
    data->GetCurrentPalette()->SetMasked(3, true);
    data->GetCurrentPalette()->SetMasked(255, true);
    return data;
}

SReadOutcome Read(const std::vector<uint8_t>& bytes, CStippleboxData& data)
{
    CSerializerImageDpx dpx;
    return ReadOutcome(dpx, bytes, data);
}

}  // namespace

TEST(DpxRunLength, PairsCarryTheLengthOfTheirRun)
{
    const std::vector<uint8_t> row = {7, 7, 7, 1, 2, 0, 0, 0};
    EXPECT_EQ(EncodeDpxRunLength(row), (std::vector<uint8_t>{7, 7, 3, 1, 2, 0, 0, 3}));
    const std::vector<uint8_t> long_(300, 9);
    EXPECT_EQ(EncodeDpxRunLength(long_), (std::vector<uint8_t>{9, 9, 255, 9, 9, 45}));
    const std::vector<uint8_t> oneOver(256, 9);
    EXPECT_EQ(EncodeDpxRunLength(oneOver), (std::vector<uint8_t>{9, 9, 255, 9}));

    for (const auto& bytes : {row, long_, oneOver}) {
        std::vector<uint8_t> decoded(bytes.size());
        ASSERT_TRUE(DecodeDpxRunLength(EncodeDpxRunLength(bytes), decoded));
        EXPECT_EQ(decoded, bytes);
    }
}

TEST(DpxRunLength, DecodingNeverWritesPastTheOutputAndNoticesShortCode)
{
    std::vector<uint8_t> output(4);
    EXPECT_TRUE(DecodeDpxRunLength(std::vector<uint8_t>{5, 5, 200}, output));
    EXPECT_EQ(output, (std::vector<uint8_t>{5, 5, 5, 5}));
    EXPECT_TRUE(DecodeDpxRunLength(std::vector<uint8_t>{1, 2, 3, 3}, output)) << "the count after a full output is not needed";
    EXPECT_FALSE(DecodeDpxRunLength(std::vector<uint8_t>{5, 5, 3}, output));
    EXPECT_FALSE(DecodeDpxRunLength(std::vector<uint8_t>{1, 5, 5}, output));
    // Counts below 2 add nothing.
    EXPECT_TRUE(DecodeDpxRunLength(std::vector<uint8_t>{6, 6, 0, 6, 6}, output));
    EXPECT_EQ(output, (std::vector<uint8_t>{6, 6, 6, 6}));
}

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
    EXPECT_EQ(text.size() - 76, 42u);
    EXPECT_TRUE(std::all_of(bytes.begin() + 118, bytes.begin() + 128, [](uint8_t b) { return b == 0; }));
    EXPECT_EQ(LoadDword(&bytes[128]), 0x2110u);
    EXPECT_EQ(LoadDword(&bytes[132]), 1u);
    EXPECT_EQ(LoadDword(&bytes[136]), 5u);
    EXPECT_EQ(LoadDword(&bytes[140]), 1u);
    EXPECT_EQ(LoadDword(&bytes[144]), 1u);
    const SPaletteColor& color = data->GetCurrentPalette()->GetColor(1);
    EXPECT_EQ(bytes[160 + 4], color.blue);
    EXPECT_EQ(bytes[160 + 6], color.red);
    EXPECT_EQ(bytes[160 + 7], 0);

    const uint8_t* header = &bytes[kFirstLayer];
    EXPECT_EQ(LoadDword(header), 384u);
    EXPECT_EQ(LoadDword(header + 4), 0x110020u) << "visible, compressed, masks valid";
    EXPECT_EQ(LoadDword(header + 8), 9u);
    EXPECT_EQ(LoadDword(header + 12), 16u);
    EXPECT_EQ(LoadDword(header + 20), 9u);
    EXPECT_EQ(LoadDword(header + 24), 8u);
    EXPECT_STREQ(reinterpret_cast<const char*>(header + 32), "Layer001");
    EXPECT_EQ(LoadDword(header + 104), 5u);
    EXPECT_EQ(LoadDword(header + 108), 1u);
    EXPECT_EQ(LoadDword(header + 112), 83u) << "500 ticks are 83 ms";
    EXPECT_EQ(LoadDword(header + 116), 2u);
    EXPECT_EQ(header[128 + 1], 1);
    EXPECT_EQ(header[128 + 2], 0);
    EXPECT_EQ(std::vector<uint8_t>(header + 384, header + 392), (std::vector<uint8_t>{7, 7, 3, 1, 2, 0, 0, 3}));
    EXPECT_EQ(std::string(bytes.end() - 8, bytes.end() - 4), "EOF ");
    EXPECT_EQ(LoadDword(&bytes[bytes.size() - 4]), 0u);
}

TEST(DpxSerializer, LayersComeBackInOrderWithNamesVisibilityAndDelays)
{
    auto data = MakeThreeLayers();
    CSerializerImageDpx dpx;
    const std::vector<uint8_t> bytes = WriteToBytes(dpx, *data);
    EXPECT_STREQ(reinterpret_cast<const char*>(&bytes[kFirstLayer + 32]), "\x94\x77\x8C\x69?") << "backmost first";

    CStippleboxData back;
    const SReadOutcome result = Read(bytes, back);
    ASSERT_TRUE(result.ok) << result.error;
    const CStippleboxLayerPtrArray& layers = *back.GetLayers();
    ASSERT_EQ(layers.GetSize(), 3);
    EXPECT_EQ(layers[0]->GetLayerName(), u"前面");
    EXPECT_EQ(layers[1]->GetLayerName(), u"middle");
    EXPECT_EQ(layers[2]->GetLayerName(), u"背景?");
    EXPECT_TRUE(layers[0]->IsVisible());
    EXPECT_FALSE(layers[1]->IsVisible());
    EXPECT_EQ(layers[0]->GetDelay().GetTicks(), 750);
    EXPECT_EQ(layers[1]->GetDelay().GetTicks(), 0);
    EXPECT_EQ(layers[2]->GetDelay().GetTicks(), 1800);
    for (int i = 0; i < 3; ++i) {
        EXPECT_TRUE(std::equal(layers[i]->GetPixels(), layers[i]->GetPixels() + 18,
                               data->GetLayers()->GetAt(i)->GetPixels()))
            << i;
    }
    EXPECT_EQ(back.GetBackgroundColor(), 200);
    EXPECT_TRUE(back.GetCurrentPalette()->IsMasked(3));
    EXPECT_TRUE(back.GetCurrentPalette()->IsMasked(255));
    EXPECT_FALSE(back.GetCurrentPalette()->IsMasked(4));
    EXPECT_TRUE(SameColors(*data, back));
}

TEST(DpxSerializer, LongNamesAreCutTo63Bytes)
{
    auto data = MakeRandomPicture(1, 1, 2, 1);
    CSerializerImageDpx dpx;
    data->GetCurrentLayer()->SetName(std::u16string(63, u'n'));
    CStippleboxData back;
    ASSERT_TRUE(Read(WriteToBytes(dpx, *data), back).ok);
    EXPECT_EQ(back.GetCurrentLayer()->GetLayerName(), std::u16string(63, u'n'));
    data->GetCurrentLayer()->SetName(std::u16string(70, u'n'));
    ASSERT_TRUE(Read(WriteToBytes(dpx, *data), back).ok);
    EXPECT_EQ(back.GetCurrentLayer()->GetLayerName(), std::u16string(63, u'n'));
    data->GetCurrentLayer()->SetName(u"a" + std::u16string(40, u'字'));
    ASSERT_TRUE(Read(WriteToBytes(dpx, *data), back).ok);
    EXPECT_EQ(back.GetCurrentLayer()->GetLayerName(), u"a" + std::u16string(31, u'字')) << "whole characters only";
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
    const SReadOutcome result = Read(bytes, back);
    ASSERT_TRUE(result.ok) << result.error;
    EXPECT_EQ(back.GetLayers()->GetSize(), 3);
    EXPECT_EQ(back.GetLayers()->GetAt(0)->GetLayerName(), u"前面");
}

TEST(DpxSerializer, RefusesBrokenFilesWithTheirReason)
{
    auto data = MakeThreeLayers();
    CSerializerImageDpx dpx;
    const std::vector<uint8_t> good = WriteToBytes(dpx, *data);
    CStippleboxData back;
    auto refusal = [&](std::vector<uint8_t> bytes) {
        CStippleboxData fresh;
        const SReadOutcome result = Read(bytes, fresh);
        EXPECT_FALSE(result.ok);
        return result.error;
    };
    std::vector<uint8_t> bytes = good;
    bytes[2] = 'Y';
    EXPECT_EQ(refusal(bytes), "このファイルはPelmark形式ではありません。");
    bytes = good;
    StoreDword(&bytes[136], 0);
    EXPECT_EQ(refusal(bytes), "キャンバスサイズが異常です。");
    bytes = good;
    StoreDword(&bytes[144], 0);
    EXPECT_EQ(refusal(bytes), "レイヤが1枚もありません。");
    bytes = good;
    StoreDword(&bytes[kFirstLayer], 385);
    EXPECT_EQ(refusal(bytes), "レイヤヘッダのサイズが異常です : 385");
    StoreDword(&bytes[kFirstLayer], 3);
    EXPECT_EQ(refusal(bytes), "レイヤヘッダのサイズが異常です : 3");
    bytes = good;
    StoreDword(&bytes[kFirstLayer + 4], 0x110000);
    EXPECT_EQ(refusal(bytes), "画像データが圧縮されていません。");
    bytes = good;
    StoreDword(&bytes[kFirstLayer + 4], 0x110021);
    EXPECT_EQ(refusal(bytes), "マスクデータが圧縮されていません。");
    bytes = good;
    StoreDword(&bytes[kFirstLayer + 24], 2);  // the code stops after one byte pair
    EXPECT_EQ(refusal(bytes), "画像データが途中で終わっています。");
    StoreDword(&bytes[kFirstLayer + 24], 0);
    EXPECT_EQ(refusal(bytes), "画像データが途中で終わっています。");

    // A file that ends inside a block, or a data size past its end, is the
    // framework's end-of-file failure.
    bytes = good;
    StoreDword(&bytes[kFirstLayer + 24], 0x7FFFFFFF);
    EXPECT_THROW(Read(bytes, back), CFileException);
    EXPECT_THROW(Read(std::vector<uint8_t>(good.begin(), good.begin() + 100), back), CFileException);
    EXPECT_THROW(Read(std::vector<uint8_t>(good.begin(), good.begin() + kFirstLayer + 200), back), CFileException);
}
