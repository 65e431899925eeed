#include <gtest/gtest.h>

#include "bars/command_ids.h"
#include "commands/command_image_selection.h"
#include "model/stipplebox_data.h"
#include "model/stipplebox_image_selection.h"
#include "support/editor_fixture.h"

namespace {

class EditRoutes : public CEditorTest {
protected:
    std::optional<bool> Enabled(unsigned id) { return Update(id).GetEnabled(); }
    std::optional<bool> Checked(unsigned id) { return Update(id).GetChecked(); }
    const CStippleboxImageSelection& Selection() { return CurrentLayer().GetSelection(); }
};

}  // namespace

TEST_F(EditRoutes, LayerItemsAreOfferedOnlyWhereThereIsALayerToActOn)
{
    for (const unsigned id : {kCmdLayerDelete, kCmdLayerMergeAll, kCmdLayerMergeDown, kCmdLayerUp, kCmdLayerDown}) {
        EXPECT_EQ(Enabled(id), false) << id;
    }
    Command(kCmdLayerAdd);
    Command(kCmdLayerAdd);
    ASSERT_EQ(Document().GetLayers()->GetCurrentIndex(), 0);
    EXPECT_EQ(Enabled(kCmdLayerUp), false);
    EXPECT_EQ(Enabled(kCmdLayerDown), true);
    EXPECT_EQ(Enabled(kCmdLayerMergeDown), true);
    Command(kCmdLayerDown);
    Command(kCmdLayerDown);
    EXPECT_EQ(Document().GetLayers()->GetCurrentIndex(), 2);
    EXPECT_EQ(Enabled(kCmdLayerDown), false);
    EXPECT_EQ(Enabled(kCmdLayerMergeDown), false);
    EXPECT_EQ(Enabled(kCmdLayerUp), true);
    EXPECT_EQ(Enabled(kCmdLayerMergeAll), true);
}

TEST_F(EditRoutes, DrawingSettingsAreOfferedOnlyToToolsThatUseThem)
{
    const unsigned settings[] = {kCmdPenSizeFirst, kCmdToneFirst, kCmdFillStyleFirst, kCmdSnapToGrid, kCmdToneButton,
                                 kCmdFillStyleButton};
    for (const unsigned id : settings) {
        EXPECT_EQ(Enabled(id), false) << "the hand tool uses none: " << id;
    }
    Command(kCmdPenSizeButton);
    EXPECT_EQ(Checked(kCmdToolFreehand), true) << "the pen-size button picks the freehand tool";
    EXPECT_EQ(Enabled(kCmdPenSizeFirst), true);
    EXPECT_EQ(Enabled(kCmdToneFirst), true);
    EXPECT_EQ(Enabled(kCmdSnapToGrid), false);
    EXPECT_EQ(Enabled(kCmdFillStyleFirst), false);
    Command(kCmdToolFill);
    EXPECT_EQ(Enabled(kCmdFillStyleFirst), true);
    EXPECT_EQ(Enabled(kCmdPenSizeFirst), false);
    Command(kCmdToolEllipse);
    EXPECT_EQ(Enabled(kCmdSnapToGrid), true);

    Command(kCmdPenSizeFirst + 4);
    EXPECT_EQ(dialog.GetImageEditWnd().GetPenNib().GetSize(), 10);
    EXPECT_EQ(Checked(kCmdPenSizeFirst + 4), true);
    EXPECT_EQ(Checked(kCmdPenSizeFirst), false);
    Command(kCmdToneFirst + 4);
    EXPECT_EQ(dialog.GetImageEditWnd().GetTone().GetLevel(), 4);
    Command(kCmdFillStyleLast);
    EXPECT_EQ(dialog.GetImageEditWnd().GetFillStyle(), kFillVerticalLine);
    Command(kCmdSnapToGrid);
    EXPECT_EQ(Checked(kCmdSnapToGrid), true);
}

TEST_F(EditRoutes, ScalingAndRotationNeedASelectionOrTheWholeStackLinked)
{
    EXPECT_EQ(Enabled(kCmdRotate), true) << "one layer is the whole stack";
    Command(kCmdLayerAdd);
    EXPECT_EQ(Enabled(kCmdRotate), false);
    EXPECT_EQ(Enabled(kCmdScaling), false);
    CurrentLayer().GetSelection().Create({0, 0, 2, 2});
    EXPECT_EQ(Enabled(kCmdScaling), true);
}

TEST_F(EditRoutes, SelectAllThenDropWithTheTransparentOption)
{
    EXPECT_EQ(Enabled(kCmdSelectNone), false);
    EXPECT_EQ(Checked(kCmdTransparentSelection), false);
    Command(kCmdSelectAll);
    EXPECT_EQ(Selection().GetRect(), (CRect{0, 0, 64, 64}));
    EXPECT_EQ(UndoText(), "元に戻す:範囲選択");
    EXPECT_EQ(Enabled(kCmdSelectNone), true);
    Command(kCmdSelectNone);
    EXPECT_FALSE(Selection().HasMask());
    EXPECT_EQ(UndoText(), "元に戻す:範囲解除");

    // A selection of background nudged over a 9 covers it; dropped with the
    // option on, its background lets the 9 show again.
    CStippleboxLayer& layer = CurrentLayer();
    const uint8_t background = Document().GetBackgroundColor();
    layer.SetPixel(2, 0, 9);
    Command(kCmdTransparentSelection);
    EXPECT_EQ(Checked(kCmdTransparentSelection), true);
    dialog.GetCommandManager().Execute(std::make_unique<CCommandImageSelectionNew>(CRect{0, 0, 2, 1}), true);
    Command(kCmdScrollRight);
    Command(kCmdScrollRight);
    EXPECT_EQ(layer.GetPixel(2, 0), background);
    Command(kCmdSelectNone);
    EXPECT_EQ(layer.GetPixel(2, 0), 9);
}

TEST_F(EditRoutes, ScrollCommandsMoveTheViewAQuarterOrASelectionOnePixelAsAnUndoableStep)
{
    CImageEditWnd& view = dialog.GetImageEditWnd();
    view.OnSize(400, 300);
    dialog.SetZoom(8);  // a view of 50 × 38 image pixels
    const CPoint start = view.GetScrollPosition();
    Command(kCmdScrollRight);
    Command(kCmdScrollDown);
    const CPoint scrolled{start.x + 12, start.y + 9};
    EXPECT_EQ(view.GetScrollPosition(), scrolled);

    Command(kCmdSelectAll);
    Command(kCmdScrollLeft);
    Command(kCmdScrollDown);
    EXPECT_EQ(Selection().GetRect(), (CRect{-1, 1, 63, 65}));
    EXPECT_EQ(view.GetScrollPosition(), scrolled) << "the view stays";
    EXPECT_EQ(UndoText(), "元に戻す:範囲移動");
    Command(kCmdUndo);
    EXPECT_EQ(Selection().GetRect(), (CRect{-1, 0, 63, 64}));
    for (const unsigned id : {kCmdScrollLeft, kCmdScrollRight, kCmdScrollUp, kCmdScrollDown}) {
        EXPECT_EQ(Enabled(id), true) << id;
    }
}

TEST_F(EditRoutes, TheColourMaskIsClearedAndInvertedOutsideTheHistory)
{
    CStippleboxPalette& palette = *Document().GetCurrentPalette();
    palette.SetMasked(3, true);
    for (const bool inverted : {true, false}) {
        Command(kCmdColorMaskInvert);
        EXPECT_EQ(palette.IsMasked(3), !inverted);
        EXPECT_EQ(palette.IsMasked(200), inverted);
    }
    Command(kCmdColorMaskClear);
    EXPECT_FALSE(palette.IsMasked(3));
    EXPECT_EQ(Enabled(kCmdUndo), false);
    EXPECT_FALSE(dialog.GetCommandManager().IsModified());
}
