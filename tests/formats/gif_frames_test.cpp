// Animated GIFs read frame by frame: the first frame that Open shows, and
// every frame as a layer, compared with what ImageMagick and gifsicle decode
// from files they made themselves.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>

#include "formats/gif_file.h"
#include "formats/serializer_image_gif.h"
#include "formats/serializer_image_gif_layers.h"
#include "model/stipplebox_data.h"
#include "support/format_test_support.h"
#include "support/headless_message_box_scope.h"
#include "support/scratch_directory.h"

namespace {

// A GIF of one 3 × 2 frame (indices 1 to 6) at the place given, on a screen
// of the size given.
std::vector<uint8_t> OneFrameGif(int screenWidth, int screenHeight, int left, int top)
{
    CGifInfo info;
    info.width = 1;  // any size; the screen is patched in below
    info.height = 1;
    info.globalColorTable.resize(8);
    CGifImageInfo& frame = info.AddFrame();
    frame.left = left;
    frame.top = top;
    frame.right = left + 3;
    frame.bottom = top + 2;
    frame.SetPixels({1, 2, 3, 4, 5, 6});
    std::vector<uint8_t> bytes;
    EXPECT_TRUE(CGifFile().Write(info, bytes));
    const uint8_t screen[] = {uint8_t(screenWidth), uint8_t(screenWidth >> 8), uint8_t(screenHeight),
                              uint8_t(screenHeight >> 8)};
    std::copy(std::begin(screen), std::end(screen), bytes.begin() + 6);
    return bytes;
}

void RunTool(const std::string& command)
{
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
}

// The frames as a tool shows them, one after another: 8-bit RGBA, each the
// screen's size. gifsicle shows each frame as a whole picture, once the
// frames' own colour tables are merged (which keeps every colour here); then
// ImageMagick only has to read them.
std::string Decode(const std::filesystem::path& gif, bool withGifsicle)
{
    const std::filesystem::path folder = gif.parent_path();
    const std::string rgba = "'rgba:" + (folder / "frames.rgba").string() + "'";
    if (withGifsicle) {
        RunTool("gifsicle --colors 256 '" + gif.string() + "' 2>/dev/null | gifsicle --explode --unoptimize -o '" +
                (folder / "frame").string() + "' && convert '" + (folder / "frame").string() + ".*' " + rgba);
    } else {
        RunTool("convert '" + gif.string() + "' -coalesce " + rgba);
    }
    return ReadFileBytes(folder / "frames.rgba");
}

// Each frame, as the layer holding it (the first frame backmost), shows what
// the tool shows: the background index where the tool shows nothing, else
// the palette colour nearest to the tool's (the same one where the palette
// holds it), or the background index where a frame without transparency
// drew with it.
void ExpectSameFrames(const CStippleboxData& data, const std::string& frames, const std::string& tool)
{
    const CStippleboxLayerPtrArray& layers = *data.GetLayers();
    const size_t frameBytes = size_t(data.GetWidth()) * data.GetHeight() * 4;
    ASSERT_EQ(size_t(layers.GetSize()) * frameBytes, frames.size()) << tool;
    const CStippleboxPalette& palette = *data.GetCurrentPalette();
    const uint8_t background = data.GetBackgroundColor();
    for (int k = 0; k < layers.GetSize(); ++k) {
        const uint8_t* layer = layers[layers.GetSize() - 1 - k]->GetPixels();
        int wrong = 0;
        for (size_t i = 0; i < frameBytes / 4; ++i) {
            const char* rgba = frames.data() + k * frameBytes + i * 4;
            const SPaletteColor shown{uint8_t(rgba[2]), uint8_t(rgba[1]), uint8_t(rgba[0])};
            const SPaletteColor& color = palette.GetColor(layer[i]);
            wrong += rgba[3] == 0 ? layer[i] != background
                                  : !(layer[i] == background && color == shown) &&
                                        color != palette.GetColor(palette.FindNearest(shown, background));
        }
        EXPECT_EQ(wrong, 0) << tool << ", frame " << k;
    }
}

}  // namespace

// Open shows the first frame on the logical screen only where the screen is a
// canvas the editor holds and the whole frame lies on it; otherwise the frame
// alone is the picture, where it used to be refused or shown as a blank screen.
TEST(GifFirstFrame, TheScreenIsTheCanvasOnlyWhenItHoldsTheFrame)
{
    struct SCase {
        const char* what;
        int screenWidth, screenHeight, left, top;
        CSize canvas;
        CPoint at;
    };
    const SCase cases[] = {
        {"on the screen", 8, 6, 4, 3, {8, 6}, {4, 3}},
        {"a screen wider than a canvas", 2000, 6, 4, 3, {3, 2}, {0, 0}},
        {"a 0 x 0 screen", 0, 0, 4, 3, {3, 2}, {0, 0}},
        {"a frame beside the screen", 8, 6, 20, 1, {3, 2}, {0, 0}},
    };
    for (const SCase& c : cases) {
        CStippleboxData data;
        CSerializerImageGif gif;
        ASSERT_TRUE(ReadFromBytes(gif, OneFrameGif(c.screenWidth, c.screenHeight, c.left, c.top), data))
            << c.what << ": " << gif.GetErrorText();
        ASSERT_EQ(data.GetCanvasSize(), c.canvas) << c.what;
        const CStippleboxLayer& layer = *data.GetCurrentLayer();
        EXPECT_EQ(layer.GetPixel(c.at.x, c.at.y), 1) << c.what;
        EXPECT_EQ(layer.GetPixel(c.at.x + 2, c.at.y + 1), 6) << c.what;
    }
}

class GifLayers : public ::testing::Test {
protected:
    // Three frames: a screen-sized one with a red square and the other
    // colours in single pixels, so that the global table holds them all; a
    // blue block; a lime block with a transparent hole. And four ramps of 128
    // colours each, more than one table holds.
    GifLayers()
    {
        RunTool("convert -size 20x16 xc:none -fill red -draw 'rectangle 2,2 9,9' -fill blue -draw 'point 0,0' "
                "-fill lime -draw 'point 1,0' -fill yellow -draw 'rectangle 12,3 17,12' " + Frame(0) + ".png");
        RunTool("convert -size 6x5 xc:blue " + Frame(1) + ".png");
        RunTool("convert -size 7x4 xc:lime -alpha set -region 2x2+2+1 -alpha transparent +region " + Frame(2) + ".png");
        for (int i = 0; i < 3; ++i) {
            RunTool("convert " + Frame(i) + ".png " + Frame(i) + ".gif");
        }
        for (int i = 0; i < 4; ++i) {
            std::ofstream ppm(Ramp(i) + ".ppm");
            ppm << "P3 16 8 255\n";
            for (int c = 0; c < 128; ++c) {
                ppm << 40 + 5 * i << ' ' << 2 * c << ' ' << 255 - 2 * c << '\n';
            }
            ppm.close();
            RunTool("convert " + Ramp(i) + ".ppm +dither -colors 128 " + Ramp(i) + ".gif");
        }
    }
    std::string Frame(int i) const { return (folder / ("f" + std::to_string(i))).string(); }
    std::string Ramp(int i) const { return (folder / ("ramp" + std::to_string(i))).string(); }

    // ImageMagick's animation of the three frames, the later two placed on the screen.
    std::string WithImageMagick(const std::string& options) const
    {
        return "convert " + options + " -delay 10 " + Frame(0) + ".png -delay 25 \\( " + Frame(1) +
               ".png -repage +3+4 \\) \\( " + Frame(2) + ".png -repage +10+8 \\) -set page 20x16 -loop 0 ";
    }
    std::string WithGifsicle(const std::string& options) const
    {
        return "gifsicle --no-warnings -S 20x16 -l -d 10 " + options + " " + Frame(0) + ".gif -d 25 -p 3,4 " +
               Frame(1) + ".gif -p 10,8 " + Frame(2) + ".gif -o ";
    }

    CScratchDirectory folder;
};

TEST_F(GifLayers, EveryFrameIsWhatImageMagickAndGifsicleShow)
{
    struct SCase {
        const char* what;
        std::string make;
        bool colorsChange;  // frames whose colours the palette lacks; gifsicle shows them only reduced
    };
    const SCase cases[] = {
        {"ImageMagick, kept (1)", WithImageMagick("-dispose none"), false},
        {"ImageMagick, background (2), interlaced, own tables", WithImageMagick("-dispose background -interlace GIF"),
         false},
        {"ImageMagick, previous (3)", WithImageMagick("-dispose previous"), false},
        {"gifsicle, kept (1), interlaced", WithGifsicle("--disposal=none -i"), false},
        {"gifsicle, background (2)", WithGifsicle("--disposal=background"), false},
        {"gifsicle, previous (3)", WithGifsicle("--disposal=previous"), false},
        {"gifsicle, own tables with colours the palette lacks",
         "gifsicle --no-warnings " + Ramp(0) + ".gif " + Ramp(1) + ".gif " + Ramp(2) + ".gif " + Ramp(3) + ".gif -o ",
         true},
    };
    for (const SCase& c : cases) {
        const std::filesystem::path gif = folder / "made.gif";
        RunTool(c.make + "'" + gif.string() + "'");
        CStippleboxData data;
        CSerializerImageGifLayers reader;
        CHeadlessMessageBoxScope messages;
        ASSERT_TRUE(reader.Read(gif, &data, true)) << c.what << ": " << reader.GetErrorText();
        const auto notices = std::count_if(messages->GetRecords().begin(), messages->GetRecords().end(), [](auto& r) {
            return r.text == "パレットと異なる色のフレームがありました。\nそれらの色はパレットの最も近い色に置き換えました。";
        });
        EXPECT_EQ(notices, c.colorsChange ? 1 : 0) << c.what << ": two frames change colours, one notice";
        ExpectSameFrames(data, Decode(gif, false), std::string(c.what) + " / ImageMagick");
        if (!c.colorsChange) {
            ExpectSameFrames(data, Decode(gif, true), std::string(c.what) + " / gifsicle");
            EXPECT_EQ((*data.GetLayers())[2]->GetDelay().GetDelay(CDelay::kHundredthsUnit), 10) << c.what;
            EXPECT_EQ((*data.GetLayers())[0]->GetDelay().GetDelay(CDelay::kHundredthsUnit), 25) << c.what;
        }
    }
}

TEST(GifLayersRefusals, AnimationsTheEditorWillNotHoldAreRefusedBeforeDecoding)
{
    // Frames of one pixel whose data does not decode: only the layout is read.
    const auto animation = [](int frames, int width, int screen = 1) {
        std::vector<uint8_t> bytes = AsBytes("GIF89a");
        const uint8_t descriptor[] = {uint8_t(screen), uint8_t(screen >> 8), uint8_t(screen), uint8_t(screen >> 8), 0, 0, 0};
        bytes.insert(bytes.end(), std::begin(descriptor), std::end(descriptor));
        for (int i = 0; i < frames; ++i) {
            const uint8_t frame[] = {0x2C, 0, 0, 0, 0, uint8_t(width), uint8_t(width >> 8), 1, 0, 0, 2, 1, 0xFF, 0};
            bytes.insert(bytes.end(), std::begin(frame), std::end(frame));
        }
        bytes.push_back(0x3B);
        return bytes;
    };
    const std::pair<std::vector<uint8_t>, std::string> cases[] = {
        {animation(1001, 1), "フレーム数が多すぎます : 1001\n読み込めるのは 1000 フレームまでです。"},
        {animation(2, 1025), "フレームの大きさが異常です : 1025 x 1"},
        {animation(300, 1, 1024), "アニメーションが大きすぎます。\nレイヤの合計が 256 MiB を超えます。"},
        {animation(1000, 1), "画像のデコードに失敗しました。\n未定義のコードが含まれています。"},
    };
    for (auto [bytes, error] : cases) {
        CMemFile file(bytes);
        CStippleboxData data;
        CSerializerImageGifLayers reader;
        EXPECT_FALSE(reader.ReadFrom(file, &data, false));
        EXPECT_EQ(reader.GetErrorText(), error);
    }
}
