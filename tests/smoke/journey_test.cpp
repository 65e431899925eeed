// A whole session in the real editor, as a user works: strokes with three
// tools in three colours on three layers, chosen with the mouse and the keys,
// saved, the editor ended through its menu and started again with the file;
// the pixels are checked on the screen and in the file, and the animated GIF
// the editor exports is read back with giflib's own tools.
#include <gtest/gtest.h>

#include <cctype>
#include <cstdio>
#include <span>
#include <sstream>
#include <thread>

#include "app/new_document.h"
#include "formats/serializer_image_sbx.h"
#include "model/stipplebox_data.h"
#include "smoke/editor_process.h"
#include "support/scratch_directory.h"
#include "support/test_documents.h"

namespace fs = std::filesystem;

namespace {

// The 64 × 64 start-up picture is fitted to the canvas at this zoom.
constexpr int kZoom = 8;

// One layer's stroke: the tool's key, the palette entry picked in the
// palette window, and the drag across the picture.
struct SStroke {
    const char* toolKey;
    int entry;
    uint32_t rgb;
    CPoint from;
    CPoint to;
    // The pixels the stroke covers.
    CRect covered;
};

const SStroke kStrokes[] = {
    {"b", 10, 0xC81121, {4, 10}, {40, 10}, {4, 10, 41, 11}},        // freehand
    {"l", 11, 0x11A039, {50, 20}, {50, 60}, {50, 20, 51, 61}},      // line
    {"shift+r", 12, 0x2134C7, {10, 30}, {30, 45}, {10, 30, 31, 46}},  // filled rectangle
};

std::string At(CPoint point)
{
    return std::to_string(point.x) + " " + std::to_string(point.y);
}

// The middle of a 3 × 3 patch of the colour on the screen: its cell in the
// palette window while the colour is nowhere else.
std::optional<CPoint> FindColorCell(const std::string& rgb, uint32_t color)
{
    for (int y = 1; y + 1 < kScreenHeight; ++y) {
        for (int x = 1; x + 1 < kScreenWidth; ++x) {
            bool patch = true;
            for (int dy = -1; dy <= 1 && patch; ++dy) {
                for (int dx = -1; dx <= 1 && patch; ++dx) {
                    patch = ScreenColor(rgb, {x + dx, y + dy}) == color;
                }
            }
            if (patch) {
                return CPoint{x, y};
            }
        }
    }
    return std::nullopt;
}

// A command of the main menu through the tool bar's menu button, the first
// button of the window: the keys go down to the submenu, into it and on to
// the item.
int MenuButton(int submenu, int item)
{
    std::string keys = "xdotool mousemove --sync 15 38 click 1 sleep 0.5";
    for (int i = 0; i <= submenu; ++i) {
        keys += " key Down";
    }
    keys += " key Right sleep 0.3";
    for (int i = 0; i < item; ++i) {
        keys += " key Down";
    }
    return Shell(keys + " key Return sleep 0.5");
}

// The last item of the menu bar's first menu: ファイル > 終了.
int Quit()
{
    return Shell("xdotool mousemove --sync 12 10 click 1 sleep 0.5 key Up Return");
}

// Keys go to the main window again after a click in a tool window.
int FocusMainWindow()
{
    return Shell("xdotool search --onlyvisible --name '^journey.sbx' windowfocus --sync");
}

bool WaitForFile(const fs::path& path)
{
    for (int attempt = 0; attempt < 100 && !fs::exists(path); ++attempt) {
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
    }
    return fs::exists(path);
}

// An animated GIF as giflib's gifbuild dumps it: the global colour table as
// 0xRRGGBB and the indices of every frame, row by row.
struct SGifDump {
    std::vector<uint32_t> colors;
    std::vector<std::vector<uint8_t>> frames;
};

SGifDump ParseGifDump(const std::string& text)
{
    SGifDump dump;
    std::istringstream lines(text);
    std::string line;
    bool inRaster = false;
    while (std::getline(lines, line)) {
        unsigned r = 0;
        unsigned g = 0;
        unsigned b = 0;
        if (std::sscanf(line.c_str(), "\trgb %u %u %u", &r, &g, &b) == 3) {
            dump.colors.push_back(r << 16 | g << 8 | b);
        } else if (line.starts_with("image bits ")) {
            dump.frames.emplace_back();
            inRaster = true;
        } else if (inRaster && !line.empty() && std::isxdigit(static_cast<unsigned char>(line[0]))) {
            for (size_t at = 0; at + 1 < line.size(); at += 2) {
                dump.frames.back().push_back(uint8_t(std::stoi(line.substr(at, 2), nullptr, 16)));
            }
        } else {
            inRaster = false;
        }
    }
    return dump;
}

// A 64 × 64 layer or frame, row by row, that holds the stroke alone.
void ExpectStrokeAlone(std::span<const uint8_t> pixels, const SStroke& stroke, int background)
{
    ASSERT_EQ(pixels.size(), 64u * 64u);
    for (int y = 0; y < 64; ++y) {
        for (int x = 0; x < 64; ++x) {
            const int expected = stroke.covered.PtInRect({x, y}) ? stroke.entry : background;
            ASSERT_EQ(pixels[size_t(y * 64 + x)], expected) << stroke.toolKey << " at " << x << ", " << y;
        }
    }
}

}  // namespace

TEST(Journey, ThreeLayersDrawnSavedReopenedAndExportedAsAnAnimation)
{
    CScratchDirectory home;
    UseScratchHome(home);
    const fs::path file = home / "journey.sbx";
    {
        auto document = CreateStartupDocument();
        for (const SStroke& stroke : kStrokes) {
            document->GetCurrentPalette()->SetColor(stroke.entry, SPaletteColor::FromRgb(stroke.rgb));
        }
        ASSERT_TRUE(CSerializerImageSbx().Write(file, document.get()));
    }

    std::optional<CPoint> corner;
    {
        CEditorProcess editor({file.string()});
        ASSERT_TRUE(editor.WaitForFirstPaint());
        corner = WaitForGriddedWhitePicture(64, kZoom);
        ASSERT_TRUE(corner) << "the opened picture is not on the screen";
        for (const SStroke& stroke : kStrokes) {
            if (&stroke != kStrokes) {
                ASSERT_EQ(MenuButton(4, 0), 0) << "レイヤ > レイヤの追加";
            }
            // The palette window, shown above the main window again.
            ASSERT_EQ(MenuButton(5, 0), 0) << "パレット > 描画色の編集...";
            const std::optional<CPoint> cell = FindColorCell(CaptureScreen(), stroke.rgb);
            ASSERT_TRUE(cell) << "entry " << stroke.entry << " is not in the palette window";
            ASSERT_EQ(Shell("xdotool mousemove --sync " + At(*cell) + " click 1"), 0);
            ASSERT_EQ(FocusMainWindow(), 0);
            const CPoint from = PixelOnScreen(*corner, stroke.from, kZoom);
            const CPoint to = PixelOnScreen(*corner, stroke.to, kZoom);
            ASSERT_EQ(Shell("xdotool mousemove --sync " + At(from) + " key " + stroke.toolKey +
                            " mousedown 1 mousemove --sync " + At(to) + " mouseup 1"),
                      0);
        }
        ASSERT_EQ(Shell("xdotool key ctrl+s"), 0);
        EXPECT_TRUE(HasWindowTitled("^journey.sbx - Stipple Box 2$")) << "saved";
        ASSERT_EQ(Quit(), 0);
        EXPECT_EQ(editor.WaitForExit(std::chrono::seconds(60)), 0);
    }

    CStippleboxData saved;
    ASSERT_TRUE(CSerializerImageSbx().Read(file, &saved, false));
    const CStippleboxLayerPtrArray& layers = *saved.GetLayers();
    ASSERT_EQ(layers.GetSize(), 3);
    for (int i = 0; i < 3; ++i) {
        // The first layer is backmost: the last in the array.
        const CStippleboxLayer& layer = *layers[2 - i];
        ExpectStrokeAlone({layer.GetPixels(), layer.GetPixelCount()}, kStrokes[i], saved.GetBackgroundColor());
    }

    CEditorProcess editor({file.string()});
    ASSERT_TRUE(editor.WaitForFirstPaint());
    std::this_thread::sleep_for(std::chrono::seconds(1));
    const std::string screen = CaptureScreen();
    for (const SStroke& stroke : kStrokes) {
        for (const CPoint pixel : {stroke.from, stroke.to}) {
            EXPECT_EQ(ScreenColor(screen, PixelOnScreen(*corner, pixel, kZoom)), stroke.rgb)
                << stroke.toolKey << " at " << pixel.x << ", " << pixel.y;
        }
    }
    EXPECT_EQ(ScreenColor(screen, PixelOnScreen(*corner, {60, 4}, kZoom)), 0xFFFFFFu);

    // ファイル > レイヤアニメをアニメGIFで書き出す..., then the name typed
    // into the file dialog.
    const fs::path gif = home / "journey.gif";
    ASSERT_EQ(MenuButton(0, 6), 0);
    std::this_thread::sleep_for(std::chrono::seconds(2));
    ASSERT_EQ(Shell("xdotool type --delay 20 '" + gif.string() + "' && xdotool key Return"), 0);
    ASSERT_TRUE(WaitForFile(gif)) << "no animation written";
    ASSERT_EQ(Quit(), 0);
    EXPECT_EQ(editor.WaitForExit(std::chrono::seconds(60)), 0);

    CScratchDirectory dumps;
    ASSERT_EQ(Shell("gifbuild -d '" + gif.string() + "' > '" + (dumps / "dump.txt").string() + "'"), 0);
    const SGifDump dump = ParseGifDump(ReadFileBytes(dumps / "dump.txt"));
    ASSERT_EQ(dump.colors.size(), 256u);
    ASSERT_EQ(dump.frames.size(), 3u) << "a frame a layer";
    for (size_t i = 0; i < 3; ++i) {
        const SStroke& stroke = kStrokes[i];
        EXPECT_EQ(dump.colors[size_t(stroke.entry)], stroke.rgb);
        ExpectStrokeAlone(dump.frames[i], stroke, saved.GetBackgroundColor());
    }
}
