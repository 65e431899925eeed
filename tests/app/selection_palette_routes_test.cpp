#include <gtest/gtest.h>

#include "bars/command_ids.h"
#include "commands/command_image_selection.h"
#include "model/stipplebox_data.h"
#include "model/stipplebox_image_selection.h"
#include "support/main_dialog_fixture.h"

namespace {

class SelectionAndPaletteRoutes : public CMainDialogTest {
protected:
    CStippleboxData& Document() { return *dialog.GetDocument(); }
    const CStippleboxImageSelection& Selection() { return Document().GetCurrentLayer()->GetSelection(); }
};

}  // namespace

TEST_F(SelectionAndPaletteRoutes, SelectAllThenDropWithTheTransparentOption)
{
    EXPECT_EQ(Update(kCmdSelectNone).GetEnabled(), false);
    EXPECT_EQ(Update(kCmdTransparentSelection).GetChecked(), false);
    dialog.OnCommand(kCmdSelectAll);
    EXPECT_EQ(Selection().GetRect(), (CRect{0, 0, 64, 64}));
    EXPECT_EQ(Update(kCmdUndo).GetText(), "元に戻す:範囲選択");
    EXPECT_EQ(Update(kCmdSelectNone).GetEnabled(), true);

    dialog.OnCommand(kCmdSelectNone);
    EXPECT_FALSE(Selection().HasMask());
    EXPECT_EQ(Update(kCmdUndo).GetText(), "元に戻す:範囲解除");

    // A selection of background nudged over a 9 covers it; dropped with the
    // option on, its background lets the 9 show again.
    CStippleboxLayer& layer = *Document().GetCurrentLayer();
    const uint8_t background = Document().GetBackgroundColor();
    layer.SetPixel(2, 0, 9);
    dialog.OnCommand(kCmdTransparentSelection);
    EXPECT_EQ(Update(kCmdTransparentSelection).GetChecked(), true);
    dialog.GetCommandManager().Execute(std::make_unique<CCommandImageSelectionNew>(CRect{0, 0, 2, 1}), true);
    dialog.OnCommand(kCmdScrollRight);
    dialog.OnCommand(kCmdScrollRight);
    EXPECT_EQ(layer.GetPixel(2, 0), background);
    dialog.OnCommand(kCmdSelectNone);
    EXPECT_EQ(layer.GetPixel(2, 0), 9);
    dialog.OnCommand(kCmdUndo);
    EXPECT_EQ(layer.GetPixel(2, 0), background);
    dialog.OnCommand(kCmdTransparentSelection);
    dialog.OnCommand(kCmdSelectNone);
    EXPECT_EQ(layer.GetPixel(2, 0), background) << "with the option off the selection covers what it lies on";
}

TEST_F(SelectionAndPaletteRoutes, ScrollCommandsMoveASelectionByOnePixelAsAnUndoableStep)
{
    CImageEditWnd& canvas = dialog.GetImageEditWnd();
    canvas.OnSize(400, 300);
    const CPoint scroll = canvas.GetScrollPosition();
    dialog.OnCommand(kCmdSelectAll);
    dialog.OnCommand(kCmdScrollLeft);
    dialog.OnCommand(kCmdScrollDown);
    EXPECT_EQ(Selection().GetRect(), (CRect{-1, 1, 63, 65}));
    EXPECT_EQ(canvas.GetScrollPosition(), scroll) << "the view stays";
    EXPECT_EQ(Update(kCmdUndo).GetText(), "元に戻す:範囲移動");
    dialog.OnCommand(kCmdUndo);
    EXPECT_EQ(Selection().GetRect(), (CRect{-1, 0, 63, 64}));
    for (const unsigned id : {kCmdScrollLeft, kCmdScrollRight, kCmdScrollUp, kCmdScrollDown}) {
        EXPECT_EQ(Update(id).GetEnabled(), true) << id;
    }
}

TEST_F(SelectionAndPaletteRoutes, TheColourMaskIsClearedAndInvertedOutsideTheHistory)
{
    CStippleboxPalette& palette = *Document().GetCurrentPalette();
    palette.SetMasked(3, true);
    dialog.OnCommand(kCmdColorMaskInvert);
    EXPECT_FALSE(palette.IsMasked(3));
    EXPECT_TRUE(palette.IsMasked(200));
    dialog.OnCommand(kCmdColorMaskInvert);
    EXPECT_TRUE(palette.IsMasked(3));
    EXPECT_FALSE(palette.IsMasked(200));
    dialog.OnCommand(kCmdColorMaskClear);
    EXPECT_FALSE(palette.IsMasked(3));
    EXPECT_EQ(Update(kCmdUndo).GetEnabled(), false);
    EXPECT_FALSE(dialog.GetCommandManager().IsModified());
}
