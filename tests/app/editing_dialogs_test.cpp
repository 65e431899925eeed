#include <gtest/gtest.h>

#include "bars/command_ids.h"
#include "model/stipplebox_data.h"
#include "model/stipplebox_image_selection.h"
#include "support/editor_fixture.h"
#include "tools/tool_options.h"

using EditingDialogs = CEditorTest;

TEST(ImageRotateDialog, TheAngleIsTheLeadingDecimalNumberTurnedRightByNegation)
{
    CScratchDirectory directory;
    CImageRotateDlg dialog(directory / "ImageRotate.ini");
    EXPECT_EQ(dialog.GetAngleText(), "0.000");
    EXPECT_EQ(dialog.CreateCommand(), nullptr) << "no turn of 0";
    const std::pair<const char*, float> cases[] = {
        {"12.5°", 12.5f}, {" -30", -30.0f}, {"", 0.0f}, {"abc", 0.0f}, {"nan", 0.0f}, {"1e999", 0.0f}, {".5", 0.5f}};
    for (const auto& [text, angle] : cases) {
        dialog.SetAngleText(text);
        EXPECT_EQ(dialog.GetAngle(), angle) << text;
    }
    dialog.SetAngleText("45");
    dialog.SetDirection(CImageRotateDlg::kRight);
    EXPECT_EQ(dialog.GetAngle(), -45.0f);
}

TEST(ImageScalingDialog, KeepingTheAspectRatioLetsEachFieldFollowTheOther)
{
    CScratchDirectory directory;
    CImageScalingDlg dialog(directory / "ImageScaling.ini", {30, 20});
    dialog.SetKeepAspect(true);
    dialog.SetNewWidth(45);
    EXPECT_EQ(dialog.GetNewSize(), (CSize{45, 30}));
    dialog.SetNewHeight(7);
    EXPECT_EQ(dialog.GetNewSize(), (CSize{10, 7}));
    dialog.SetNewWidth(5000);
    EXPECT_EQ(dialog.GetNewSize(), (CSize{1024, 682})) << "fields keep their range";

    dialog.SetKeepAspect(false);
    dialog.SetNewHeight(100);
    dialog.SetKeepAspect(true);
    EXPECT_EQ(dialog.GetNewSize(), (CSize{1024, 682})) << "setting the box brings the height in line";
    dialog.SetNewWidth(30);
    dialog.SetNewHeight(20);
    EXPECT_EQ(dialog.CreateCommand(), nullptr) << "the size shown, unchanged";
}

TEST(DelayAllDialog, ChangingTheUnitConvertsTheDelayShown)
{
    CDelayAllDlg dialog(500, 6);
    EXPECT_EQ(dialog.GetDelay(), 5);
    dialog.SetUnit(8);
    EXPECT_EQ(dialog.GetDelay(), 83) << "500 ticks are 83 whole milliseconds";
    EXPECT_EQ(dialog.GetDelayTicks(), 498);
    dialog.SetDelay(200000);
    EXPECT_EQ(dialog.GetDelay(), CDelayAllDlg::kMaxDelay);
}

TEST(GridDialog, PresetsSetBothIntervalsWithinTheirRangeAndZoomsStartAtTwo)
{
    SImageGrid grid;
    grid.interval = {1, 5000};
    CGridDlg dialog(grid, {1, 2, 4, 8, 12, 16, 24, 32});
    EXPECT_EQ(dialog.GetGrid().interval, (CSize{2, 1024})) << "an interval of 1 is refused";
    EXPECT_EQ(dialog.GetZoomChoices(), (std::vector<int>{2, 4, 8, 12, 16, 24, 32}));
    EXPECT_EQ(dialog.FindZoomChoice(8), 2);
    EXPECT_EQ(dialog.FindZoomChoice(5), 2) << "a hand-edited limit shows as the next zoom";
    dialog.ChoosePreset(7);
    EXPECT_EQ(dialog.GetGrid().interval, (CSize{320, 240}));
    dialog.ChoosePreset(0);
    EXPECT_EQ(dialog.GetGrid().interval, (CSize{320, 240}));
}

TEST_F(EditingDialogs, CanvasSizeExecutesOnlyForANewSize)
{
    dialogs.resize = [](CImageResizeDlg& form) { EXPECT_EQ(form.GetNewSize(), form.GetCurrentSize()); };
    Command(kCmdCanvasSize);
    EXPECT_EQ(UndoText(), "元に戻す");
    dialogs.resize = [](CImageResizeDlg& form) {
        form.SetNewSize(10, 8);
        form.SetAnchor(8);
    };
    Command(kCmdCanvasSize);
    EXPECT_EQ(Document().GetCanvasSize(), (CSize{10, 8}));
    EXPECT_EQ(UndoText(), "元に戻す:キャンバスの大きさ");
}

TEST_F(EditingDialogs, RotationAndScalingRememberTheirChoicesAndScaleTheSelectionShown)
{
    dialogs.rotate = [](CImageRotateDlg& form) {
        form.SetAngleText("90");
        form.SetDirection(CImageRotateDlg::kRight);
    };
    Command(kCmdRotate);
    EXPECT_EQ(UndoText(), "元に戻す:回転");
    EXPECT_NE(ReadFileBytes(settings / "IniFiles/Dialog/ImageRotate.ini").find("Dir=1"), std::string::npos);
    dialogs.rotate = [](CImageRotateDlg& form) { EXPECT_EQ(form.GetDirection(), CImageRotateDlg::kRight); };
    Command(kCmdRotate);

    CurrentLayer().GetSelection().Create({0, 0, 4, 2});
    dialogs.scaling = [](CImageScalingDlg& form) {
        EXPECT_EQ(form.GetSourceSize(), (CSize{4, 2}));
        form.SetKeepAspect(true);
        form.SetNewWidth(64);
    };
    Command(kCmdScaling);
    EXPECT_EQ(CurrentLayer().GetSelection().GetRect(), (CRect{0, 0, 64, 32}));
    EXPECT_NE(ReadFileBytes(settings / "IniFiles/Dialog/ImageScaling.ini").find("SaveRatio=1"), std::string::npos);
}

TEST_F(EditingDialogs, GridAndGeneralSettingsAreStoredAndReadAtTheNextStart)
{
    dialogs.grid = [](CGridDlg& form) {
        form.SetInterval(12, 10);
        form.SetIntervalGridMinZoom(4);
    };
    Command(kCmdGridSettings);
    dialogs.general = [](CGeneralDlg& form) {
        EXPECT_FALSE(form.IsPickingByLongPress());
        form.SetPickByLongPress(true);
    };
    Command(kCmdGeneralSettings);

    CStippleboxDlg next(settings / "IniFiles", dialogs);
    next.OnInitDialog(host);
    EXPECT_EQ(next.GetImageEditWnd().GetGrid().interval, (CSize{12, 10}));
    EXPECT_EQ(next.GetImageEditWnd().GetGrid().intervalGridMinZoom, 4);
    EXPECT_TRUE(next.GetToolOptions().pickByLongPress);
}
