#include <gtest/gtest.h>

#include "bars/command_ids.h"
#include "model/stipplebox_data.h"
#include "model/stipplebox_image_selection.h"
#include "support/editor_fixture.h"

namespace {

class EditRoutes : public CEditorTest {
protected:
    std::optional<bool> Enabled(unsigned id) { return Update(id).GetEnabled(); }
    std::optional<bool> Checked(unsigned id) { return Update(id).GetChecked(); }
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
    Command(kCmdLayerMergeAll);
    EXPECT_EQ(Document().GetLayers()->GetSize(), 1);
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

TEST_F(EditRoutes, DelayUnitItemsCheckTheDocumentsUnit)
{
    Command(kCmdDelayUnitFirst + 6);  // "1/100 秒"
    EXPECT_EQ(Document().GetDelayUnit(), 7);
    for (unsigned id = kCmdDelayUnitFirst; id <= kCmdDelayUnitLast; ++id) {
        EXPECT_EQ(Checked(id), id == kCmdDelayUnitFirst + 6) << id;
    }
}
