#include <gtest/gtest.h>

#include <algorithm>

#include "bars/command_ids.h"
#include "model/stipplebox_data.h"
#include "support/editor_fixture.h"
#include "tools/grid_snap.h"
#include "tools/tool_options.h"
#include "views/press_and_hold.h"

namespace {

class DrawingTools : public CEditorTest {
protected:
    DrawingTools()
    {
        Open(MakeRowsDocument({PixelRows(12, std::string(26, '0'))}));
        SImageGrid grid = dialog.GetImageEditWnd().GetGrid();
        grid.interval = {8, 8};
        dialog.GetImageEditWnd().SetGrid(grid);
    }
    // The inked pixels of the current layer, 'X' for the drawing colour.
    std::string Inked()
    {
        std::string picture;
        for (const std::string& row : GetRows(CurrentLayer())) {
            for (const char c : row) {
                picture += c == '9' ? 'X' : '.';
            }
            picture += '/';
        }
        return picture;
    }
    int UndoSteps()
    {
        int steps = 0;
        while (Undo()) {
            ++steps;
        }
        return steps;
    }
    SToolOptions& Options() { return dialog.GetToolOptions(); }
};

}  // namespace

// A tap's own cell and a line downwards are SnapAppliesToShapesButNeverToFreehandOrFill's.
TEST(GridSnap, BoxesCoverWholeCellsAndLinesRunFromCornerToCorner)
{
    const auto box = [](CPoint a, CPoint b) {
        SnapBox(a, b, {8, 8});
        return CRect{a.x, a.y, b.x, b.y};
    };
    EXPECT_EQ(box({20, 3}, {3, 12}), (CRect{23, 0, 0, 15}));
    EXPECT_EQ(box({-1, 5}, {2, 5}), (CRect{-8, 0, 7, 7})) << "cells below zero too";

    const auto line = [](CPoint a, CPoint b) {
        SnapLine(a, b, {8, 8});
        return CRect{a.x, a.y, b.x, b.y};
    };
    EXPECT_EQ(line({20, 6}, {1, 1}), (CRect{23, 0, 0, 0}));
    EXPECT_EQ(line({2, 20}, {5, 1}), (CRect{0, 23, 7, 0})) << "upwards within one column of cells";
}

TEST_F(DrawingTools, ATapWithAShapeToolStampsTheNibOnceAsOneStep)
{
    Command(kCmdToolRectangle);
    Command(kCmdPenSizeFirst + 1);  // 2 pixels
    canvas.Stroke({{5, 5}});
    EXPECT_EQ(GetRows(CurrentLayer())[4].substr(0, 8), "00009900");
    EXPECT_EQ(GetRows(CurrentLayer())[5].substr(0, 8), "00009900");
    EXPECT_EQ(UndoText(), "元に戻す:描画");
    EXPECT_EQ(UndoSteps(), 1);
}

TEST_F(DrawingTools, AShapeToolReplacesItsPreviewAsThePointerMoves)
{
    Command(kCmdToolRectangle);
    canvas.Stroke({{1, 1}, {9, 9}, {4, 3}});
    EXPECT_EQ(Inked().substr(0, 27 * 5), "........................../"
                                         ".XXXX...................../"
                                         ".X..X...................../"
                                         ".XXXX...................../"
                                         "........................../");
    EXPECT_EQ(Inked().find('X', 27 * 5), std::string::npos) << "the larger preview is gone";
    Command(kCmdToolFilledEllipse);
    canvas.Stroke({{10, 1}, {20, 10}, {14, 3}});
    EXPECT_EQ(GetRows(CurrentLayer())[2].substr(9, 7), "0999990");
    EXPECT_EQ(UndoSteps(), 2);
}

TEST_F(DrawingTools, SnapAppliesToShapesButNeverToFreehandOrFill)
{
    Options().snapToGrid = true;
    Command(kCmdToolLine);
    canvas.Stroke({{1, 1}, {20, 6}});
    EXPECT_EQ(CurrentLayer().GetPixel(0, 0), 9);
    EXPECT_EQ(CurrentLayer().GetPixel(23, 7), 9);
    EXPECT_EQ(CurrentLayer().GetPixel(1, 1), 0) << "the snapped line does not pass the pressed pixel";
    Undo();

    Command(kCmdToolFilledRectangle);
    canvas.Stroke({{3, 3}});
    EXPECT_EQ(Inked().substr(0, 27 * 2), "XXXXXXXX................../XXXXXXXX................../");
    Undo();

    Command(kCmdToolFreehand);
    canvas.Stroke({{3, 3}, {5, 3}});
    EXPECT_EQ(GetRows(CurrentLayer())[3].substr(0, 8), "00099900");
    Undo();

    Command(kCmdToolFill);
    CurrentLayer().SetPixel(3, 0, 4);
    dialog.OnLayersChanged(false);
    canvas.Stroke({{3, 0}, {10, 10}});
    EXPECT_EQ(CurrentLayer().GetPixel(3, 0), 9);
    const std::string inked = Inked();
    EXPECT_EQ(std::count(inked.begin(), inked.end(), 'X'), 1) << "the one pixel of its colour";
}

TEST_F(DrawingTools, TheEyedropperPicksTheVisibleColourOnceAndATapOffTheImageDrawsOn)
{
    auto document = MakeRowsDocument({{"0300", "0000"}, {"5555", "5555"}});
    Open(std::move(document));
    Layer(1).SetVisible(true);
    dialog.GetDocument()->GetLayers()->SetCurrentIndex(1);
    dialog.OnLayersChanged(true);
    Command(kCmdToolFreehand);
    Command(kCmdEyedropper);
    EXPECT_EQ(Update(kCmdEyedropper).GetChecked(), true);

    canvas.Stroke({{1, 0}});
    EXPECT_EQ(Document().GetDrawingColor(), 3) << "the colour on top, not the current layer's";
    EXPECT_FALSE(Options().eyedropper);
    EXPECT_EQ(UndoText(), "元に戻す");

    Options().eyedropper = true;
    canvas.Stroke({{-3, 0}});
    EXPECT_TRUE(Options().eyedropper) << "a tap off the image is not the eyedropper's";
    Options().eyedropper = false;
    canvas.Stroke({{0, 1}});
    EXPECT_EQ(GetRows(CurrentLayer()), (PixelRows{"5555", "3555"}));
}

TEST_F(DrawingTools, ALongPressTakesTheStrokeBackAndPicksTheColourLeavingNoStep)
{
    Options().pickByLongPress = true;
    CurrentLayer().SetPixel(6, 6, 7);
    dialog.OnLayersChanged(false);
    Command(kCmdToolFreehand);
    canvas.Press({6, 6});
    EXPECT_EQ(CurrentLayer().GetPixel(6, 6), 9) << "drawn at once";
    ASSERT_TRUE(canvas.Host().FireTimer(CPressAndHold::kTimerId));
    EXPECT_EQ(CurrentLayer().GetPixel(6, 6), 7);
    EXPECT_EQ(Document().GetDrawingColor(), 7);
    canvas.Move({9, 9});
    canvas.Release({9, 9});
    EXPECT_EQ(Inked().find('X'), std::string::npos);
    EXPECT_EQ(UndoText(), "元に戻す");

    // A press that moves as far as a drag is a stroke.
    canvas.Press({1, 1});
    canvas.Move({10, 1});
    EXPECT_FALSE(canvas.Host().IsTimerRunning(CPressAndHold::kTimerId));
    canvas.Release({10, 1});
    EXPECT_EQ(UndoText(), "元に戻す:描画");
}

TEST_F(DrawingTools, ChoosingTheCurrentToolAgainKeepsItsObject)
{
    Command(kCmdToolLine);
    const CMouseTool* tool = dialog.GetImageEditWnd().GetTool();
    Command(kCmdToolLine);
    EXPECT_EQ(dialog.GetImageEditWnd().GetTool(), tool);
    Command(kCmdToolFill);
    EXPECT_EQ(dialog.GetImageEditWnd().GetTool()->GetCommandID(), kCmdToolFill);
}
