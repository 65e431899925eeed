#include <gtest/gtest.h>

#include "bars/command_ids.h"
#include "model/stipplebox_data.h"
#include "model/stipplebox_image_selection.h"
#include "support/editor_fixture.h"
#include "support/pixel_picture.h"
#include "tools/tool_options.h"

namespace {

// A 12 × 8 greyscale picture, background 0, with the grid every 4 pixels.
class SelectionTools : public CEditorTest {
protected:
    SelectionTools()
    {
        Open(MakeRowsDocument({{"111111222222", "111111222222", "113311222222", "113311222222", "111111555555",
                                "111111555555", "777777555555", "777777555555"}}));
        SImageGrid grid = dialog.GetImageEditWnd().GetGrid();
        grid.interval = {4, 4};
        dialog.GetImageEditWnd().SetGrid(grid);
    }
    const CStippleboxImageSelection& Selection() { return CurrentLayer().GetSelection(); }
    std::string MaskPicture()
    {
        const CStippleboxImageSelection& selection = Selection();
        return DrawPicture(selection.GetWidth(), selection.GetHeight(),
                           [&](int x, int y) { return selection.GetMask()[size_t(y) * selection.GetWidth() + x] != 0; });
    }
    SToolOptions& Options() { return dialog.GetToolOptions(); }
    // Whether the outline is drawn in the dragging pattern, the only red on
    // a greyscale canvas.
    bool ShowsDragOutline()
    {
        const CDibSection& screen = *dialog.GetImageEditWnd().GetBackBuffer();
        for (int y = 0; y < screen.GetHeight(); ++y) {
            for (int x = 0; x < screen.GetWidth(); ++x) {
                if (screen.GetDisplayRow(y)[x] == MakeDisplayPixel(255, 0, 0)) {
                    return true;
                }
            }
        }
        return false;
    }
};

}  // namespace

TEST_F(SelectionTools, ARectangleTakesItsOutlinePixelsAndStaysOnTheImage)
{
    Command(kCmdToolSelectRectangle);
    canvas.Stroke({{5, 5}, {3, 6}, {2, 7}});
    EXPECT_EQ(Selection().GetRect(), (CRect{2, 5, 6, 8}));
    EXPECT_EQ(MaskPicture(), "XXXX/XXXX/XXXX");
    EXPECT_TRUE(dialog.GetImageEditWnd().GetSelector().GetPoints().empty()) << "the outline's points are gone";

    Command(kCmdSelectNone);
    canvas.Stroke({{10, 1}, {30, -5}});
    EXPECT_EQ(Selection().GetRect(), (CRect{10, 0, 12, 2})) << "clamped to the image";

    Command(kCmdSelectNone);
    Options().snapToGrid = true;
    canvas.Stroke({{5, 1}, {6, 2}});
    EXPECT_EQ(Selection().GetRect(), (CRect{4, 0, 8, 4})) << "whole grid cells";
}

// The step titles and undoing step by step: the end-to-end test on the real
// window.
TEST_F(SelectionTools, APressInsideDragsAPressOutsideDropsAndTheNextPressSelectsAgain)
{
    Command(kCmdToolSelectRectangle);
    canvas.Stroke({{2, 2}, {3, 3}});  // the 3s
    canvas.Press({2, 2});
    EXPECT_EQ(Selection().GetRect(), (CRect{2, 2, 4, 4}));
    canvas.Move({4, 3});
    EXPECT_TRUE(ShowsDragOutline());
    canvas.Move({5, 4});
    canvas.Release({5, 4});
    EXPECT_FALSE(ShowsDragOutline());
    EXPECT_EQ(Selection().GetRect(), (CRect{5, 4, 7, 6}));
    EXPECT_EQ(GetRows(CurrentLayer())[2], "110011222222") << "the place left shows the background";
    EXPECT_EQ(GetRows(CurrentLayer())[4], "111113355555");

    canvas.Press({0, 7});
    EXPECT_FALSE(Selection().HasMask());
    canvas.Release({0, 7});
    EXPECT_FALSE(Selection().HasMask()) << "a drop starts nothing else";
    canvas.Stroke({{0, 7}, {1, 7}});
    EXPECT_EQ(Selection().GetRect(), (CRect{0, 7, 2, 8}));
}

TEST_F(SelectionTools, WithSnapADragMovesByWholeCellsAndOffTheCanvasAndBackKeepsThePixels)
{
    const PixelRows original = GetRows(CurrentLayer());
    Command(kCmdToolSelectRectangle);
    canvas.Stroke({{0, 0}, {5, 3}});
    Options().snapToGrid = true;
    canvas.Stroke({{1, 1}, {4, 2}, {6, 1}});
    EXPECT_EQ(Selection().GetRect(), (CRect{4, 0, 10, 4})) << "moved by one cell of 4, not by 5";
    Options().snapToGrid = false;
    canvas.Stroke({{6, 1}, {11, 1}});
    canvas.Stroke({{11, 1}, {11, 1}, {11, 7}});
    EXPECT_EQ(Selection().GetRect(), (CRect{9, 6, 15, 10})) << "mostly off the canvas";
    canvas.Stroke({{9, 6}, {4, 1}, {0, 0}});
    EXPECT_EQ(Selection().GetRect(), (CRect{0, 0, 6, 4}));
    EXPECT_EQ(GetRows(CurrentLayer()), original);
}

TEST_F(SelectionTools, WithTheTransparentOptionTheBackgroundOfADraggedSelectionLetsThePictureShow)
{
    SetRows(CurrentLayer(), {"000900"});  // a background row with a 9 to select
    dialog.OnLayersChanged(false);
    const PixelRows original = GetRows(CurrentLayer());
    Options().transparentSelection = true;
    Command(kCmdToolSelectRectangle);
    canvas.Stroke({{2, 0}, {3, 0}});  // 0 9
    canvas.Stroke({{2, 0}, {2, 2}, {2, 4}});
    EXPECT_EQ(GetRows(CurrentLayer())[4], "111911555555") << "the 1 beneath the background shows";
    EXPECT_EQ(GetRows(CurrentLayer())[0], "000000222222");

    Undo();
    // Away and back to where it began: the picture is as it was, and nothing
    // is recorded.
    canvas.Stroke({{2, 0}, {2, 3}, {2, 0}});
    EXPECT_EQ(GetRows(CurrentLayer()), original);
    EXPECT_EQ(RedoText(), "やり直す:範囲移動");
}

TEST_F(SelectionTools, AFreeFormFigureEightSelectsBothLoopsAndAScribbleJustItsPixels)
{
    Command(kCmdToolSelectFree);
    Options().snapToGrid = true;  // free-form ignores it
    canvas.Stroke({{0, 0}, {6, 6}, {6, 0}, {0, 6}});
    EXPECT_EQ(Selection().GetRect(), (CRect{0, 0, 7, 7}));
    EXPECT_EQ(MaskPicture(), "X.....X/XX...XX/XXX.XXX/XXXXXXX/XXX.XXX/XX...XX/X.....X") << "the crossing too";
    EXPECT_TRUE(dialog.GetImageEditWnd().GetSelector().GetPoints().empty()) << "the outline's points are spent";

    Command(kCmdSelectNone);
    canvas.Stroke({{8, 2}, {11, 2}});
    EXPECT_EQ(Selection().GetRect(), (CRect{8, 2, 12, 3}));
    EXPECT_EQ(MaskPicture(), "XXXX");
}

TEST_F(SelectionTools, ASameColourRegionShowsItsEdgeWhileDownAndAFullCanvasColourKeepsItsWholeMask)
{
    Command(kCmdToolSelectSameColor);
    canvas.Press({0, 0});
    EXPECT_FALSE(dialog.GetImageEditWnd().GetSelector().GetPoints().empty());
    canvas.Release({0, 0});
    EXPECT_TRUE(dialog.GetImageEditWnd().GetSelector().GetPoints().empty());
    EXPECT_EQ(Selection().GetRect(), (CRect{0, 0, 6, 6})) << "cropped to the region";
    EXPECT_EQ(MaskPicture(), "XXXXXX/XXXXXX/XX..XX/XX..XX/XXXXXX/XXXXXX");

    Command(kCmdSelectNone);
    canvas.Stroke({{-2, 3}, {1, 3}});
    EXPECT_FALSE(Selection().HasMask()) << "a press off the image does nothing";

    Open(MakeRowsDocument({PixelRows(5, "4444444")}));
    Command(kCmdToolSelectSameColor);
    canvas.Stroke({{3, 3}});
    EXPECT_EQ(Selection().GetRect(), (CRect{0, 0, 7, 5}));
    EXPECT_EQ(Selection().GetMask(), std::vector<uint8_t>(35, 1));
}

TEST_F(SelectionTools, AColourScribbleSelectsEveryPixelOfTheColoursItTouched)
{
    Command(kCmdToolSelectColor);
    canvas.Stroke({{3, 3}, {3, 4}});  // a 3 and a 1
    EXPECT_EQ(Selection().GetRect(), (CRect{0, 0, 6, 6}));
    EXPECT_EQ(MaskPicture(), "XXXXXX/XXXXXX/XXXXXX/XXXXXX/XXXXXX/XXXXXX");
    Command(kCmdSelectNone);
    canvas.Stroke({{6, 0}, {6, 7}});  // 2, 5 and 5
    EXPECT_EQ(Selection().GetRect(), (CRect{6, 0, 12, 8}));
    Command(kCmdSelectNone);
    const std::string before = UndoText();
    canvas.Stroke({{-3, -3}, {-1, -5}});
    EXPECT_FALSE(Selection().HasMask()) << "a scribble off the image selects nothing";
    EXPECT_EQ(UndoText(), before);
}
