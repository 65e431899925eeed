#include <gtest/gtest.h>

#include <cstring>

#include "formats/gif_file.h"
#include "formats/serializer_image_gif.h"
#include "model/stipplebox_data.h"
#include "support/format_test_support.h"
#include "support/headless_message_box_scope.h"
#include "support/scratch_directory.h"

namespace {

constexpr char kFirstFrameNotice[] = "アニメーションGIFの読み込みは未対応です。\n最初のフレームのみ読み込みます。";

std::vector<uint8_t> WriteInfo(CGifInfo& info)
{
    std::vector<uint8_t> bytes;
    CGifFile gif;
    EXPECT_TRUE(gif.Write(info, bytes)) << gif.GetErrorText();
    return bytes;
}

CGifImageInfo& AddFrame(CGifInfo& info, int left, int top, int width, int height, uint8_t fill)
{
    CGifImageInfo& frame = info.AddFrame();
    frame.left = left;
    frame.top = top;
    frame.right = left + width;
    frame.bottom = top + height;
    std::vector<uint8_t> pixels(size_t(width) * height);
    for (size_t i = 0; i < pixels.size(); ++i) {
        pixels[i] = static_cast<uint8_t>((fill + i) % 4);
    }
    frame.SetPixels(std::move(pixels));
    return frame;
}

std::vector<RGBQUAD> Grey(int count)
{
    std::vector<RGBQUAD> table(count);
    for (int i = 0; i < count; ++i) {
        const uint8_t v = static_cast<uint8_t>(i * 255 / (count - 1));
        table[i] = {v, v, v, 0};
    }
    return table;
}

// A small two-colour GIF written by our own writer, with `extension` put
// right after the global colour table.
std::vector<uint8_t> GifWithBlock(const std::vector<uint8_t>& extension)
{
    CGifInfo info;
    info.globalColorTable = Grey(2);
    AddFrame(info, 0, 0, 3, 2, 0);
    std::vector<uint8_t> bytes = WriteInfo(info);
    bytes.insert(bytes.begin() + 13 + 6, extension.begin(), extension.end());
    return bytes;
}

bool ReadGif(const std::vector<uint8_t>& bytes, CGifInfo& info, std::string& error, bool warnings = false)
{
    CGifFile gif;
    const bool result = gif.Read(bytes, info, warnings);
    error = gif.GetErrorText();
    return result;
}

std::unique_ptr<CStippleboxData> MakeAnimation()
{
    auto data = MakeRandomPicture(5, 4, 256, 3);
    CStippleboxLayerPtrArray& layers = *data->GetLayers();
    layers.NewLayer(1, 5, 4)->Fill(10);
    layers.NewLayer(2, 5, 4)->Fill(20);
    layers[0]->GetDelay().SetDelay(7, CDelay::kHundredthsUnit, false);
    layers[1]->GetDelay().SetDelay(20, CDelay::kHundredthsUnit, false);
    layers[2]->GetDelay().SetDelay(30000000, CDelay::kMillisecondsUnit, false);
    data->SetBackgroundColor(9);
    return data;
}

}  // namespace

TEST(GifSerializer, AOneLayerDocumentIsAPlainGif89aWithTheWholePalette)
{
    auto data = MakeRandomPicture(7, 3, 256, 1);
    data->SetBackgroundColor(42);
    CSerializerImageGif gif;
    const std::vector<uint8_t> bytes = WriteToBytes(gif, *data);
    ASSERT_GE(bytes.size(), 13u + 768u);
    // Screen 7 × 3, a global table of 256 with 8-bit colour resolution, background 42.
    EXPECT_EQ(std::vector<uint8_t>(bytes.begin(), bytes.begin() + 12),
              (std::vector<uint8_t>{'G', 'I', 'F', '8', '9', 'a', 7, 0, 3, 0, 0xF7, 42}));
    EXPECT_EQ(bytes[13 + 768], 0x2C) << "no graphic control, no animation block";
    EXPECT_EQ(bytes.back(), 0x3B);
    CMemFile file;
    ASSERT_TRUE(gif.WriteAnimationTo(file, data.get()));
    EXPECT_EQ(file.Detach(), bytes) << "one frame needs no animation block and no graphic control";
}

TEST(GifSerializer, TheAnimationHasEveryLayerBackmostFirstWithDelaysInHundredths)
{
    auto data = MakeAnimation();
    CSerializerImageGif gif;
    CMemFile file;
    ASSERT_TRUE(gif.WriteAnimationTo(file, data.get())) << gif.GetErrorText();
    const std::vector<uint8_t> bytes = file.Detach();

    static const uint8_t kEndlessLoop[] = {0x21, 0xFF, 11, 'N', 'E', 'T', 'S', 'C', 'A', 'P', 'E',
                                           '2',  '.',  '0', 3,  1,   0,   0,   0};
    EXPECT_EQ(std::memcmp(&bytes[13 + 768], kEndlessLoop, sizeof kEndlessLoop), 0);

    CGifInfo info;
    std::string error;
    ASSERT_TRUE(ReadGif(bytes, info, error)) << error;
    EXPECT_EQ(info.backgroundIndex, 9);
    ASSERT_EQ(info.frames.size(), 3u);
    EXPECT_EQ(info.frames[0]->delay, 0xFFFF) << "a longer delay is held at the longest the field allows";
    EXPECT_EQ(info.frames[1]->delay, 20);
    EXPECT_EQ(info.frames[2]->delay, 7);
    for (const auto& frame : info.frames) {
        EXPECT_FALSE(frame->transparent);
        EXPECT_EQ(frame->disposal, 0);
        EXPECT_FALSE(frame->interlaced);
    }
}

TEST(GifSerializer, TheAnimationWriterClearsItsErrorAndCommitsOnlyOnSuccess)
{
    CHeadlessMessageBoxScope boxes;
    CScratchDirectory folder;
    auto data = MakeAnimation();
    CSerializerImageGif gif;
    EXPECT_FALSE(gif.WriteAnimation(folder / "missing" / "a.gif", data.get()));
    EXPECT_EQ(gif.GetErrorText(), "ファイルのオープンに失敗しました。");
    ASSERT_TRUE(gif.WriteAnimation(folder / "a.gif", data.get()));
    EXPECT_EQ(gif.GetErrorText(), "");

    CStippleboxData first;
    ASSERT_TRUE(gif.Read(folder / "a.gif", &first, true));
    ASSERT_EQ(boxes->GetRecords().size(), 1u);
    EXPECT_EQ(boxes->GetRecords()[0].text, kFirstFrameNotice);
    EXPECT_EQ(first.GetLayers()->GetSize(), 1);
    EXPECT_EQ(first.GetCurrentLayer()->GetPixel(0, 0), 20);

    boxes->ClearRecords();
    ASSERT_TRUE(gif.Read(folder / "a.gif", &first, false));
    EXPECT_TRUE(boxes->GetRecords().empty()) << "no notice without the flag";
}

TEST(GifFile, OptionalBlocksAreReadOrSkippedWithOneNoticeEach)
{
    CHeadlessMessageBoxScope boxes;
    const std::vector<uint8_t> comment = {0x21, 0xFE, 2, 'h', 'i', 1, '!', 0};
    const std::vector<uint8_t> plainText = {0x21, 0x01, 12, 0, 0, 0, 0, 8, 0, 8, 0, 1, 1, 0, 1, 2, 'a', 'b', 0};
    const std::vector<uint8_t> foreign = {0x21, 0xFF, 11, 'X', 'M', 'P', ' ', 'D', 'a', 't', 'a', 'X', 'M', 'P', 1,
                                          0x55, 0};
    const std::vector<uint8_t> badLoop = {0x21, 0xFF, 11, 'N', 'E', 'T', 'S', 'C', 'A', 'P', 'E', '2', '.', '0',
                                          5,    1,    0,  0,   0,   0,   0};
    const std::vector<uint8_t> unknown = {0x21, 0x2A, 3, 1, 2, 3, 0};
    std::vector<uint8_t> blocks;
    for (const auto* block : {&comment, &plainText, &plainText, &foreign, &badLoop, &unknown, &foreign}) {
        blocks.insert(blocks.end(), block->begin(), block->end());
    }
    CGifInfo info;
    std::string error;
    ASSERT_TRUE(ReadGif(GifWithBlock(blocks), info, error, true)) << error;
    EXPECT_EQ(info.comment, "hi!");
    ASSERT_EQ(info.frames.size(), 1u);
    EXPECT_EQ(info.frames[0]->GetWidth(), 3);
    ASSERT_EQ(boxes->GetRecords().size(), 3u);
    EXPECT_EQ(boxes->GetRecords()[0].text, "テキスト・ピクチャデータは現在サポートしておりません。\n読み飛ばします。");
    EXPECT_EQ(boxes->GetRecords()[1].text,
              "アプリケーションデータ部分にアニメーション用パラメータ以外のデータが格納されていますが、\n"
              "元バージョンでは読み込む事が出来ません。\n\n読み飛ばします。");
    EXPECT_EQ(boxes->GetRecords()[2].text,
              "アプリケーションデータ部分に格納されているアニメーションデータが異常です。\n\n読み飛ばします。");

    boxes->ClearRecords();
    ASSERT_TRUE(ReadGif(GifWithBlock(blocks), info, error, false));
    EXPECT_TRUE(boxes->GetRecords().empty());
}

TEST(GifFile, BrokenFilesAreRefusedWithTheirReason)
{
    CGifInfo info;
    AddFrame(info, 0, 0, 4, 4, 0);
    info.globalColorTable = Grey(4);
    const std::vector<uint8_t> good = WriteInfo(info);
    const size_t image = 13 + 12;
    auto with = [&](size_t offset, uint8_t value) {
        std::vector<uint8_t> bytes = good;
        bytes[offset] = value;
        return bytes;
    };
    const std::pair<std::vector<uint8_t>, const char*> kRefusals[] = {
        {with(0, 'J'), "GIFファイルではありません。"},
        {with(4, '0'), "バージョン文字列が異常です : 80a"},
        {with(image + 10, 0), "画像のデコードに失敗しました。\n最小ビット数が異常です：0"},
        {with(image + 10, 9), "画像のデコードに失敗しました。\n最小ビット数が異常です：9"},
        {with(image, 0x2D), "GIFファイルのブロックが異常です : 0x2D"},
        {{good.begin(), good.begin() + image}, "画像情報が存在しません。"},
        {{good.begin(), good.begin() + 10}, "ファイルが途中で終わっています。"},
        {with(image + 5, 5), "画像のデコードに失敗しました。\n画像データが途中で終わっています。"},  // a row more than the data
        {GifWithBlock({0x21, 0xF9, 5, 0, 0, 0, 0, 0, 0}), "グラフィックコントローラデータが異常です。"},
        {GifWithBlock({0x21, 0xF9, 4, 0, 0, 0, 0, 1}), "グラフィックコントローラデータが異常です。"},  // no terminator
    };
    for (const auto& [bytes, message] : kRefusals) {
        CGifInfo out;
        std::string error;
        EXPECT_FALSE(ReadGif(bytes, out, error)) << message;
        EXPECT_EQ(error, message);
    }

    // The first frame's screen must fit the canvas; so must the first frame,
    // before any of it is decoded.
    CGifInfo wide;
    wide.globalColorTable = Grey(2);
    AddFrame(wide, 0, 0, 1025, 1, 0);
    for (const int screen : {0, 8}) {
        wide.width = wide.height = screen;
        CSerializerImageGif gif;
        CStippleboxData data;
        EXPECT_FALSE(ReadFromBytes(gif, WriteInfo(wide), data)) << screen;
        EXPECT_EQ(gif.GetErrorText(), "キャンバスサイズが大きすぎです。");
    }
}
