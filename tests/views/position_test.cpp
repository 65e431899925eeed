#include <gtest/gtest.h>

#include "bars/command_ids.h"
#include "model/stipplebox_data.h"
#include "support/editor_fixture.h"
#include "views/position_wnd.h"

namespace {

constexpr DisplayPixel kPicture = MakeDisplayPixel(5, 5, 5);
constexpr DisplayPixel kOutline = InvertDisplayPixel(kPicture);

// A picture of index 5 everywhere on the 640 × 480 canvas, and the
// navigator at 120 × 100 and zoom 1 showing it from its top-left.
class Navigator : public CEditorTest {
protected:
    explicit Navigator(CSize image = {200, 150}) : m_saved(CPositionWnd::Settings())
    {
        CPositionWnd::Settings() = {};
        Open(MakeRowsDocument({PixelRows(size_t(image.cy), std::string(size_t(image.cx), '5'))}));
        Command(kCmdPositionWindow);
        CPositionWnd& navigator = *dialog.GetToolWindows().GetPositionWnd();
        view = &navigator.GetImageWnd();
        static_cast<CHeadlessToolWindow&>(*navigator.GetHost()).Resize({120, 100});
        ShowCanvas(8, {10, 20});
    }
    ~Navigator() override { CPositionWnd::Settings() = m_saved; }

    CImageEditWnd& Canvas() { return dialog.GetImageEditWnd(); }
    void ShowCanvas(int zoom, CPoint scroll)
    {
        Canvas().SetZoom(zoom, true);
        Canvas().SetScroll(scroll.x, scroll.y, false);
    }
    DisplayPixel At(int x, int y) const { return view->GetBackBuffer()->GetDisplayRow(y)[x]; }
    // The bounding box of the inverted pixels in the view.
    CRect FindOutline() const
    {
        CRect found;
        for (int y = 0; y < 100; ++y) {
            for (int x = 0; x < 120; ++x) {
                if (At(x, y) == kOutline) {
                    found.UnionRect(found, {x, y, x + 1, y + 1});
                }
            }
        }
        return found;
    }
    void Drag(CPoint from, CPoint to)
    {
        view->OnLButtonDown(MK_LBUTTON, from);
        view->OnMouseMove(MK_LBUTTON, to);
        view->OnLButtonUp(0, to);
    }

    CPositionImageWnd* view = nullptr;

private:
    CPositionWnd::SSettings m_saved;
};

class SmallNavigator : public Navigator {
protected:
    SmallNavigator() : Navigator({100, 80}) {}
};

}  // namespace

TEST_F(Navigator, TheOutlineFollowsEveryScrollAndZoomOfTheCanvas)
{
    // At zoom 8 the canvas shows 80 × 60 image pixels from (10, 20).
    EXPECT_EQ(FindOutline(), (CRect{10, 20, 90, 80}));
    EXPECT_EQ(At(50, 20), kOutline);
    EXPECT_EQ(At(50, 21), kPicture) << "one pixel wide";
    EXPECT_EQ(At(10, 79), kOutline) << "the corner is inverted once";

    ShowCanvas(8, {30, 15});
    EXPECT_EQ(FindOutline(), (CRect{30, 15, 110, 75}));
    EXPECT_EQ(At(10, 50), kPicture) << "the old outline is gone";
    ShowCanvas(4, {30, 15});
    EXPECT_EQ(view->GetDrawnOutline(), (CRect{30, 15, 190, 135}));
    EXPECT_EQ(FindOutline(), (CRect{30, 15, 120, 100})) << "cut off by the view";

    // Outside the image nothing is drawn: the edges there are cut off.
    ShowCanvas(8, {-20, -10});
    EXPECT_EQ(FindOutline(), (CRect{0, 0, 60, 50}));
    EXPECT_EQ(At(0, 10), kPicture);
    EXPECT_EQ(At(59, 10), kOutline);
}

TEST_F(Navigator, EditsShowInTheViewWithTheOutlineKept)
{
    Command(kCmdToolFreehand);
    ShowCanvas(2, {0, 0});
    canvas.Stroke({{5, 5}, {0, 5}});
    EXPECT_EQ(At(3, 5), MakeDisplayPixel(9, 9, 9));
    EXPECT_EQ(At(0, 5), InvertDisplayPixel(MakeDisplayPixel(9, 9, 9))) << "the outline over the new pixel";
    EXPECT_EQ(FindOutline(), (CRect{0, 0, 120, 100}));
}

TEST_F(Navigator, ThePositionToolDragsTheOutlineAndTheCanvasWithIt)
{
    // Grabbed inside: the outline keeps its place under the pointer.
    Drag({50, 50}, {60, 55});
    EXPECT_EQ(Canvas().GetScrollPosition(), (CPoint{20, 25}));
    // The top-left edge counts as inside: pressing there moves nothing.
    view->OnLButtonDown(MK_LBUTTON, {20, 25});
    EXPECT_EQ(Canvas().GetScrollPosition(), (CPoint{20, 25}));
    view->OnLButtonUp(0, {20, 25});
    // Pressed elsewhere, the outline jumps to be centred on the pointer.
    view->OnLButtonDown(MK_LBUTTON, {5, 90});
    EXPECT_EQ(Canvas().GetScrollPosition(), (CPoint{-35, 60}));
    view->OnMouseMove(MK_LBUTTON, {15, 95});
    EXPECT_EQ(Canvas().GetScrollPosition(), (CPoint{-25, 65}));
    view->OnLButtonUp(0, {15, 95});
    EXPECT_EQ(FindOutline(), (CRect{0, 65, 55, 100}));

    // Zooming the view leaves the canvas where it is.
    dialog.GetToolWindows().GetPositionWnd()->OnCommand(kCmdZoom2);
    EXPECT_EQ(view->GetZoom(), 2);
    EXPECT_EQ(Canvas().GetScrollPosition(), (CPoint{-25, 65}));
    // The hand tool scrolls the view itself.
    dialog.GetToolWindows().GetPositionWnd()->OnCommand(kCmdToolScroll);
    const CPoint before = view->GetScrollPosition();
    Drag({60, 60}, {40, 60});
    view->OnMouseMove(0, {0, 0});  // after the release the hand scrolls no more
    EXPECT_EQ(view->GetScrollPosition(), (CPoint{before.x + 10, before.y}));
    EXPECT_EQ(Canvas().GetScrollPosition(), (CPoint{-25, 65}));
}

TEST_F(SmallNavigator, APressBesideThePictureDoesNothing)
{
    // 100 × 80 in 120 × 100: the picture starts at (10, 10).
    const CPoint scroll = Canvas().GetScrollPosition();
    Drag({5, 5}, {50, 50});
    EXPECT_EQ(Canvas().GetScrollPosition(), scroll);
}
