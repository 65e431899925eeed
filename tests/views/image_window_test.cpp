#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/headless_window_host.h"
#include "views/drag_judge.h"
#include "views/image_view_listener.h"
#include "views/image_wnd.h"
#include "views/zoom_manager.h"

namespace {

class CTestImageWnd : public CImageWnd {
public:
    explicit CTestImageWnd(CSize image) : m_image(image) {}
    CSize GetImageSize() const override { return m_image; }
    void RepaintAll(bool) override
    {
        ++repaints;
        FillOutsideImage();
    }
    DisplayPixel BufferPixel(int x, int y) const { return GetBackBuffer()->GetDisplayRow(y)[x]; }
    int repaints = 0;

private:
    CSize m_image;
};

// Records the calls a window routes to its tool.
class CRecordingTool : public CMouseTool {
public:
    explicit CRecordingTool(std::vector<std::string>& log) : m_log(log) {}
    void OnButtonDown(unsigned, int x, int y) override
    {
        m_log.push_back("down " + std::to_string(x) + "," + std::to_string(y));
        BeginCapture(kStrokeCapture);
    }
    void OnMouseMove(unsigned, int, int) override { m_log.push_back(IsCapturing() ? "drag" : "hover"); }
    void OnCaptureLost(CWnd* newOwner) override { m_log.push_back(newOwner ? "lost to other" : "lost"); }

private:
    std::vector<std::string>& m_log;
};

}  // namespace

TEST(ImageWindow, CoordinatesMapThroughZoomAndScrollTruncatingTowardZero)
{
    CTestImageWnd window({100, 100});
    window.OnSize(400, 300);
    window.SetZoom(8, false);
    window.SetScroll(-3, 5, true);
    EXPECT_EQ(window.ScreenToImage({17, 7}), (CPoint{-1, 5}));
    EXPECT_EQ(window.ImageToScreen({0, 5, 2, 7}), (CRect{24, 0, 40, 16}));
    CRect rect{-10, 0, 10, 200};
    EXPECT_TRUE(window.ClipRect(rect, true, false));
    EXPECT_EQ(rect, (CRect{0, 0, 10, 100}));
    window.ResetView(false);
    rect = {0, 0, 100, 100};
    EXPECT_TRUE(window.ClipRect(rect, false, true));
    EXPECT_EQ(rect.Width(), window.GetVisibleSize().cx);
    CRect outside{200, 200, 210, 210};
    EXPECT_FALSE(window.ClipRect(outside, true, true));
}

TEST(ImageWindow, VisibleSizesRoundUpAndDown)
{
    CTestImageWnd window({64, 64});
    window.OnSize(100, 50);
    EXPECT_EQ(window.GetVisibleSize(), (CSize{100, 50}));
    window.SetZoom(8, true);
    EXPECT_EQ(window.GetVisibleSize(), (CSize{13, 7}));
    EXPECT_EQ(window.GetVisibleSizeRoundedDown(), (CSize{12, 6}));
    ASSERT_NE(window.GetBackBuffer(), nullptr);
    EXPECT_EQ(window.GetBackBuffer()->GetWidth(), 132);
    EXPECT_EQ(window.GetBackBuffer()->GetHeight(), 82);
    const int repaints = window.repaints;
    window.OnSize(0, 40);
    EXPECT_EQ(window.GetClientSize(), (CSize{100, 50})) << "a zero size is ignored";
    EXPECT_EQ(window.repaints, repaints);
}

// Across, the image fits and is centred; down, it scrolls only within itself.
TEST(ImageWindow, NormalModeCentresWhatFitsAndScrollsWithinTheImage)
{
    CTestImageWnd window({64, 300});
    window.OnSize(200, 100);
    window.ResetView(true);
    EXPECT_FALSE(window.GetHorizontalScroll().enabled);
    EXPECT_TRUE(window.GetVerticalScroll().enabled);
    EXPECT_EQ(window.GetVerticalScroll().maximum, 200);
    EXPECT_EQ(window.GetScrollPosition(), (CPoint{-68, 0}));
    window.SetScroll(50, 500, false);
    EXPECT_EQ(window.GetScrollPosition(), (CPoint{-68, 200}));
    window.SetScroll(0, -20, false);
    EXPECT_EQ(window.GetScrollPosition(), (CPoint{-68, 0}));
}

TEST(ImageWindow, OverscrollLetsHalfAViewPassEitherEdge)
{
    CTestImageWnd window({64, 64});
    window.SetOverscroll(true);
    window.ResetView(true);
    window.OnSize(200, 100);
    EXPECT_EQ(window.GetScrollPosition(), (CPoint{-68, -18})) << "centred when the window first gets its size";
    window.SetScroll(-1000, -1000, false);
    EXPECT_EQ(window.GetScrollPosition(), (CPoint{-100, -50}));
    window.SetScroll(1000, 1000, false);
    EXPECT_EQ(window.GetScrollPosition(), (CPoint{64 - 100, 64 - 50}));
    const int repaints = window.repaints;
    window.SetScroll(1000, 1000, false);
    EXPECT_EQ(window.repaints, repaints) << "no repaint when nothing moved";
    window.SetScroll(-50, 5, false);
    window.OnSize(220, 100);
    EXPECT_EQ(window.GetScrollPosition(), (CPoint{-50, 5})) << "later sizes keep the position";
}

TEST(ImageWindow, TheOutsideTileMovesWithTheImage)
{
    CTestImageWnd window({4, 4});
    window.SetOverscroll(true);
    window.OnSize(40, 40);
    window.ResetView(true);
    window.SetScroll(-100, -100, false);
    ASSERT_EQ(window.GetScrollPosition(), (CPoint{-20, -20}));
    constexpr DisplayPixel grey = MakeDisplayPixel(220, 220, 220);
    // Tile place (row, column) = ((y + scroll·zoom) & 7, (x + scroll·zoom) & 7).
    EXPECT_EQ(window.BufferPixel(4, 4), grey);  // (0, 0)
    EXPECT_EQ(window.BufferPixel(5, 4), kDisplayWhite);
    EXPECT_EQ(window.BufferPixel(11, 4), grey);  // (0, 7)
    window.SetScroll(-19, -20, false);
    EXPECT_EQ(window.BufferPixel(4, 4), kDisplayWhite) << "the tile moved one column with the image";
    EXPECT_EQ(window.BufferPixel(3, 4), grey);
}

TEST(MouseWindow, StrokesEndThroughCaptureLostWhetherReleasedOrTaken)
{
    CTestImageWnd window({16, 16});
    CHeadlessWindowHost host(window);
    std::vector<std::string> log;
    window.SetTool(std::make_unique<CRecordingTool>(log));
    window.OnMouseMove(0, {1, 1});
    window.OnLButtonDown(MK_LBUTTON, {2, 3});
    window.OnMouseMove(MK_LBUTTON, {4, 4});
    window.OnLButtonUp(0, {4, 4});
    window.OnLButtonDown(MK_LBUTTON, {5, 5});
    host.TakeCaptureAway(&window);
    window.OnLButtonUp(0, {5, 5});  // the button comes up after a dialog took the pointer
    EXPECT_EQ(log, (std::vector<std::string>{"hover", "down 2,3", "drag", "lost", "down 5,5", "lost to other"}));
    EXPECT_FALSE(host.HasCapture());
}

TEST(DragJudge, ReportsTheStartOfADragOnceAtSixPixelsTimesTheScale)
{
    SetDisplayScreenSize({240, 320});
    CDragJudge judge;
    judge.Start({10, 10});
    EXPECT_FALSE(judge.Test({15, 10}));
    EXPECT_TRUE(judge.Test({16, 10}));
    EXPECT_FALSE(judge.Test({30, 10})) << "only once";

    SetDisplayScreenSize({480, 640});
    judge.Start({10, 10});
    EXPECT_FALSE(judge.Test({21, 10}));
    EXPECT_TRUE(judge.Test({22, 10}));
    SetDisplayScreenSize({1920, 1080});
}

namespace {

class CZoomLog final : public IImageViewListener {
public:
    void OnZoomChanged(int zoom) override { zooms.push_back(zoom); }
    std::vector<int> zooms;
};

// A large picture in overscroll mode, centred in a 640 × 480 window.
class ImageNavigator : public ::testing::Test {
protected:
    ImageNavigator()
    {
        window.SetOverscroll(true);
        window.OnSize(640, 480);
        window.ResetView(true);
    }

    CTestImageWnd window{{1024, 1024}};
    CHeadlessWindowHost host{window};
};

}  // namespace

TEST_F(ImageNavigator, CtrlWheelStepsThroughTheLevelsKeepingThePixelUnderThePointer)
{
    const CZoomManager levels;
    window.GetNavigator().SetZoomLevels(&levels);
    CZoomLog log;
    window.SetViewListener(&log);
    window.SetScroll(300, 400, false);
    for (const CPoint pointer : {CPoint{5, 7}, CPoint{633, 20}, CPoint{320, 479}}) {
        const CPoint pixel = window.ScreenToImage(pointer);
        // Up to the top and down again; a touchpad's small turns add up.
        for (int notch = 0; notch < 9; ++notch) {
            window.OnMouseWheel(MK_CONTROL, WHEEL_DELTA, pointer);
            EXPECT_EQ(window.ScreenToImage(pointer), pixel) << "zoom " << window.GetZoom();
        }
        EXPECT_EQ(window.GetZoom(), 32);
        for (int turn = 0; turn < 4 * 9; ++turn) {
            window.OnMouseWheel(MK_CONTROL, -WHEEL_DELTA / 4, pointer);
            EXPECT_EQ(window.ScreenToImage(pointer), pixel) << "zoom " << window.GetZoom();
        }
        EXPECT_EQ(window.GetZoom(), 1);
    }
    EXPECT_EQ(log.zooms.size(), 3u * 14u) << "seven steps up and seven down, each told";

    // The zoom commands keep the pixel at the centre.
    const CPoint centre{320, 240};
    const CPoint pixel = window.ScreenToImage(centre);
    window.SetZoom(12, true);
    EXPECT_EQ(window.ScreenToImage(centre), pixel);
}

TEST_F(ImageNavigator, TheWheelScrollsTheSameScreenDistanceAtEveryZoom)
{
    const int step = CImageNavigator::kWheelScrollPixels;
    for (const int zoom : {1, 4, 32}) {
        window.SetZoom(zoom, true);
        window.SetScroll(500, 500, false);
        window.OnMouseWheel(0, WHEEL_DELTA, {10, 10});
        window.OnMouseWheel(MK_SHIFT, -2 * WHEEL_DELTA, {10, 10});
        window.OnMouseHWheel(0, -WHEEL_DELTA, {10, 10});
        EXPECT_EQ(window.GetScrollPosition(), (CPoint{500 + step / zoom, 500 - step / zoom})) << zoom;
    }
    window.SetZoom(1, true);
    window.SetScroll(500, 500, false);
    for (int turn = 0; turn < 15; ++turn) {
        window.OnMouseWheel(0, -1, {10, 10});  // finer than a pixel at a time
    }
    EXPECT_EQ(window.GetScrollPosition(), (CPoint{500, 508}));
}

TEST_F(ImageNavigator, TheMiddleButtonAndTheHandKeyDragTheViewWhateverTheTool)
{
    window.SetZoom(4, true);
    std::vector<std::string> log;
    window.SetTool(std::make_unique<CRecordingTool>(log));
    const CPoint start = window.GetScrollPosition();
    window.OnMButtonDown(MK_MBUTTON, {100, 100});
    window.OnMouseMove(MK_MBUTTON, {103, 102});
    EXPECT_EQ(window.GetScrollPosition(), start) << "less than one zoomed pixel";
    window.OnMouseMove(MK_MBUTTON, {140, 60});
    window.OnMButtonUp(0, {140, 60});
    EXPECT_EQ(window.GetScrollPosition(), (CPoint{start.x - 10, start.y + 10}));
    EXPECT_TRUE(log.empty()) << "the tool saw nothing";

    window.GetNavigator().SetHandKeyHeld(true);
    EXPECT_EQ(host.GetCursor(), ECursor::OpenHand);
    window.OnLButtonDown(MK_LBUTTON, {100, 100});
    window.GetNavigator().SetHandKeyHeld(false);  // let go mid-drag: the drag goes on
    window.OnMouseMove(MK_LBUTTON, {80, 100});
    EXPECT_EQ(host.GetCursor(), ECursor::OpenHand);
    window.OnLButtonUp(0, {80, 100});
    EXPECT_EQ(window.GetScrollPosition(), (CPoint{start.x - 5, start.y + 10}));
    EXPECT_TRUE(log.empty());
    EXPECT_EQ(host.GetCursor(), ECursor::Arrow);

    window.OnLButtonDown(MK_LBUTTON, {10, 10});
    window.GetNavigator().SetHandKeyHeld(true);
    window.OnMButtonDown(MK_LBUTTON | MK_MBUTTON, {10, 10});
    window.OnMouseMove(MK_LBUTTON | MK_MBUTTON, {50, 50});
    EXPECT_EQ(log, (std::vector<std::string>{"down 10,10", "drag"})) << "no drag starts mid-stroke";
    EXPECT_EQ(window.GetScrollPosition(), (CPoint{start.x - 5, start.y + 10}));
}

TEST(ImageWindow, AResetViewFitsTheImageWithTheLevelsItIsGiven)
{
    const std::vector<int> levels = {1, 2, 4, 8, 12, 16};
    const struct {
        CSize image;
        int zoom;
    } cases[] = {{{64, 64}, 4}, {{64, 30}, 8}, {{10, 10}, 16}, {{640, 480}, 1}, {{641, 10}, 1}, {{53, 40}, 12}};
    for (const auto& c : cases) {
        CTestImageWnd window(c.image);
        window.SetOverscroll(true);
        window.SetFitZoomLevels(levels);
        window.OnSize(640, 480);
        window.ResetView(true);
        EXPECT_EQ(window.GetZoom(), c.zoom) << c.image.cx << "x" << c.image.cy;
        window.SetFitZoomLevels({});
        window.ResetView(true);
        EXPECT_EQ(window.GetZoom(), 1) << "without levels, zoom 1 as ever";
    }
    CTestImageWnd early({64, 64});
    early.SetFitZoomLevels(levels);
    early.ResetView(true);
    early.OnSize(640, 480);
    EXPECT_EQ(early.GetZoom(), 4) << "a reset before the first size fits at it";
    early.OnSize(1280, 960);
    EXPECT_EQ(early.GetZoom(), 4) << "later sizes keep the zoom";
}
