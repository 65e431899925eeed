#include <gtest/gtest.h>

#include "model/selection_frame_drawing.h"
#include "model/stipplebox_color_selection.h"
#include "palette_fixture.h"

namespace {

using ColorList = CPaletteWndTest;

// Where a point falls is left to the gestures below, which press, drag and
// drop on cells, between them and off the grid.
TEST_F(ColorList, FitsItsClientSizeToWholeCells)
{
    EXPECT_EQ(CColorListWnd::FitClientSize({100, 50}), (CSize{97, 65}));
    EXPECT_EQ(CColorListWnd::FitClientSize({10, 300}), (CSize{65, 289})) << "cells of at least 4";
}

TEST_F(ColorList, PaintsCellsMaskStrokesFramesAndAMarchingOutline)
{
    Palette().SetMasked(40, true);
    Grid().RedrawAll();
    const CDibSection& grid = *Grid().GetBackBuffer();
    const auto at = [&](CPoint point) { return grid.GetDisplayRow(point.y)[point.x]; };
    const CRect masked = Grid().GetCellRect(40);
    EXPECT_EQ(at({masked.left, masked.top}), MakeDisplayPixel(128, 128, 128)) << "grid line";
    EXPECT_EQ(at({masked.left + 1, masked.top + 1}), kDisplayWhite) << "the stroke starts top left";
    EXPECT_EQ(at({masked.left + 2, masked.top + 1}), kDisplayBlack);
    EXPECT_EQ(at({masked.left + 5, masked.top + 5}), kDisplayWhite);
    EXPECT_EQ(at({masked.left + 5, masked.top + 2}), MakeDisplayPixel(40, 40, 40)) << "the colour beside it";

    const CRect drawing = Grid().GetCellRect(9);
    const CRect background = Grid().GetCellRect(0);
    EXPECT_EQ(at({drawing.left + 3, drawing.top + 8}), MakeDisplayPixel(255, 30, 30)) << "4 pixels of frame";
    EXPECT_EQ(at({drawing.left + 4, drawing.top + 8}), MakeDisplayPixel(9, 9, 9));
    EXPECT_EQ(at({background.right - 1, background.bottom - 1}), MakeDisplayPixel(30, 30, 255));

    Window().OnCommand(kCmdPaletteToolSelectLine);
    Drag({17, 18});
    CHeadlessWindowHost& host = Frame().ChildHost(Grid());
    ASSERT_TRUE(host.IsTimerRunning(CColorListEditWnd::kOutlineTimerId));
    const CRect selected = Grid().GetCellRect(17);
    const CDashPattern& dashes = GetNormalFramePattern();
    const uint16_t phase = Grid().GetOutlinePhase();
    EXPECT_EQ(at({selected.left + 1, selected.top}), dashes[(phase + 1) & 7]) << "the top edge, walked rightwards";
    host.FireTimer(CColorListEditWnd::kOutlineTimerId);
    EXPECT_EQ(Grid().GetOutlinePhase(), uint16_t(phase - 1));
    EXPECT_EQ(at({selected.left + 1, selected.top}), dashes[phase & 7]) << "the dashes march";

    Press(kOffGrid);
    host.FireTimer(CColorListEditWnd::kOutlineTimerId);
    EXPECT_FALSE(host.IsTimerRunning(CColorListEditWnd::kOutlineTimerId)) << "no selection, no march";
    EXPECT_EQ(at({selected.left + 1, selected.top}), MakeDisplayPixel(128, 128, 128));
}

// A press and release on an entry picks it; with a drag option, a drag from
// it onto another copies, swaps or moves it there.
TEST_F(ColorList, TheNormalToolPicksAndDragsWithEachOption)
{
    const std::vector<int> before = Greys(12);
    struct SCase {
        int option;
        std::vector<int> gesture;
        const char* title;  // of the undo step, empty for none
        std::vector<int> greys;
    };
    const SCase cases[] = {
        {0, {2, 6}, "", before},
        {1, {2, 4, 6}, "色のコピー", {0, 1, 2, 3, 4, 5, 2, 7, 8, 9, 10, 11}},
        {2, {2, 4, 6}, "色の交換", {0, 1, 6, 3, 4, 5, 2, 7, 8, 9, 10, 11}},
        {3, {2, 4, 6}, "色の挿入", {0, 1, 3, 4, 5, 6, 2, 7, 8, 9, 10, 11}},
        {3, {6, 2}, "色の挿入", {0, 1, 6, 2, 3, 4, 5, 7, 8, 9, 10, 11}},
        {1, {2, 6, kOffGrid}, "", before},
        {2, {2, 6, 2}, "", before},
    };
    Window().OnCommand(kCmdWindowPin);
    for (const SCase& test : cases) {
        SetDragOption(test.option, false);
        Drag(test.gesture);
        const std::string what = "option " + std::to_string(test.option) + " to " + std::to_string(test.gesture.back());
        EXPECT_EQ(Greys(12), test.greys) << what;
        const int start = test.gesture.front();
        const int end = test.gesture.back();
        EXPECT_EQ(Document().GetDrawingColor(), *test.title != 0 ? end : start) << what;
        if (*test.title != 0) {
            EXPECT_EQ(UndoText(), std::string("元に戻す:") + test.title) << what;
            Undo();
            EXPECT_EQ(Greys(12), before) << what;
        } else {
            EXPECT_EQ(UndoText(), "元に戻す") << what;
        }
    }
    EXPECT_FALSE(Frame().IsClosePosted()) << "drags do not close it";

    Window().OnCommand(kCmdWindowPin);
    Drag({5});
    EXPECT_EQ(Document().GetDrawingColor(), 5);
    ASSERT_TRUE(Frame().IsClosePosted()) << "unpinned, a plain pick closes the window";
    Frame().DeliverPostedClose();
    EXPECT_EQ(dialog.GetPaletteWnd(), nullptr);

    Command(kCmdEditBackgroundColor);
    Drag({7});
    EXPECT_EQ(Document().GetBackgroundColor(), 7);
    EXPECT_EQ(Document().GetDrawingColor(), 5);
    EXPECT_EQ(UndoText(), "元に戻す") << "picks are not undone";
}

// With keep-look the canvas shows the picture as it was all through the
// drag, and the committed swap or move renumbers the picture to that look;
// without it the canvas previews what the drop gives.
TEST_F(ColorList, DragPreviewsShowWhatTheDropCommits)
{
    Window().OnCommand(kCmdWindowPin);
    const std::vector<DisplayPixel> picture = Screen();
    for (const bool keepLook : {true, false}) {
        for (const int option : {2, 3}) {
            SetDragOption(option, keepLook);
            Press(3);
            Move(8);
            Move(12);
            // Whenever the window system asks for it again.
            dialog.GetImageEditWnd().RepaintAll(false);
            const std::vector<DisplayPixel> preview = Screen();
            Release(12);
            const std::string what = std::to_string(option) + (keepLook ? " keeping the look" : "");
            EXPECT_EQ(Screen(), preview) << what;
            EXPECT_EQ(preview == picture, keepLook) << what;
            EXPECT_EQ(GetRows(CurrentLayer())[0] == "0123", !keepLook) << what;
            Undo();
            EXPECT_EQ(Screen(), picture) << what;
            EXPECT_EQ(GetRows(CurrentLayer())[0], "0123") << what;
        }
    }
}

TEST_F(ColorList, TheMaskToolPaintsTheStateOfThePressedEntryWithoutUndo)
{
    Window().OnCommand(kCmdPaletteToolMask);
    Palette().SetMasked(5, true);
    Drag({3, 4, 5, 6, 7});
    Drag({5, 6, 24});
    std::vector<int> masked;
    for (int entry = 0; entry < 32; ++entry) {
        if (Palette().IsMasked(entry)) {
            masked.push_back(entry);
        }
    }
    EXPECT_EQ(masked, (std::vector<int>{3, 4, 7}));
    EXPECT_EQ(UndoText(), "元に戻す");
    EXPECT_FALSE(Frame().IsClosePosted());
}

TEST_F(ColorList, SelectionToolsSelectRunsAndRectanglesAndDropThem)
{
    const auto selected = [&] {
        std::vector<int> entries;
        const CStippleboxColorSelection& selection = *Palette().GetColorSelection();
        for (int entry = 0; selection.HasMask() && entry < 256; ++entry) {
            if (selection.GetMask()[size_t(entry)] != 0) {
                entries.push_back(entry);
            }
        }
        return entries;
    };
    Window().OnCommand(kCmdPaletteToolSelectLine);
    Drag({20, 40, 14});
    EXPECT_EQ(selected(), (std::vector<int>{14, 15, 16, 17, 18, 19, 20}));
    EXPECT_EQ(UndoText(), "元に戻す:範囲選択");
    Drag({30});
    EXPECT_TRUE(selected().empty()) << "pressed outside the selection";
    EXPECT_EQ(UndoText(), "元に戻す:範囲解除");
    Drag({30});
    EXPECT_TRUE(selected().empty()) << "a click makes no selection";

    Window().OnCommand(kCmdPaletteToolSelectRect);
    Drag({0x23, 0x41});
    EXPECT_EQ(selected(), (std::vector<int>{0x21, 0x22, 0x23, 0x31, 0x32, 0x33, 0x41, 0x42, 0x43}));
    Undo();
    Undo();
    EXPECT_EQ(selected(), (std::vector<int>{14, 15, 16, 17, 18, 19, 20}));
    EXPECT_FALSE(Frame().IsClosePosted());
}

// Entries 1 and 2 selected, dragged three places on with each option.
TEST_F(ColorList, DraggingASelectionMovesCopiesSwapsOrInsertsItsColours)
{
    Window().OnCommand(kCmdPaletteToolSelectLine);
    Drag({1, 2});
    const std::vector<int> before = Greys(8);
    struct SCase {
        int option;
        const char* title;
        std::vector<int> greys;
    };
    const SCase cases[] = {
        {0, "範囲移動", {0, 0, 0, 3, 1, 2, 6, 7}},
        {1, "色範囲のコピー", {0, 1, 2, 3, 1, 2, 6, 7}},
        {2, "色範囲の交換", {0, 4, 5, 3, 1, 2, 6, 7}},
        {3, "色範囲の挿入", {0, 3, 4, 5, 1, 2, 6, 7}},
    };
    for (const SCase& test : cases) {
        SetDragOption(test.option, test.option >= 2);
        const std::vector<DisplayPixel> picture = Screen();
        Drag({2, 3, 5});
        EXPECT_EQ(Greys(8), test.greys) << test.title;
        EXPECT_EQ(UndoText(), std::string("元に戻す:") + test.title);
        EXPECT_EQ(Screen() == picture, test.option >= 2) << test.title << ": the look is kept";
        Undo();
        EXPECT_EQ(Greys(8), before) << test.title;
    }
    Drag({2, 5, 2});
    EXPECT_EQ(UndoText(), "元に戻す:範囲選択") << "a drag back where it began records nothing";
}

}  // namespace
