#include <gtest/gtest.h>

#include "app/ini_profile.h"
#include "bars/color_display_wnd.h"
#include "bars/command_ids.h"
#include "bars/custom_bar_button.h"
#include "bars/mini_palette_wnd.h"
#include "bars/status_bar_info.h"
#include "bars/tool_bar_host.h"
#include "model/stipplebox_data.h"
#include "model/stipplebox_layer.h"
#include "support/main_dialog_fixture.h"

namespace {

// Keeps what the main dialog asked to show.
class CRecordingBarsHost final : public IBarsHost {
public:
    void ShowToolBars(const std::vector<SShownToolBar>& shown, const WindowFactory& makeWindow) override
    {
        bars = shown;
        windows.clear();
        for (const SShownToolBar& bar : shown) {
            for (const unsigned id : bar.buttons) {
                if (auto window = makeWindow(id)) {
                    windows.push_back(std::move(window));
                }
            }
        }
    }
    void RefreshToolBars(const std::map<unsigned, unsigned>& shown) override { pictures = shown; }
    void RedrawToolBarObject(unsigned id) override { redrawn.push_back(id); }
    void RefreshStatusBar() override {}

    std::vector<int> ShownIndices() const
    {
        std::vector<int> indices;
        for (const SShownToolBar& bar : bars) {
            indices.push_back(bar.index);
        }
        return indices;
    }

    std::vector<SShownToolBar> bars;
    std::vector<std::unique_ptr<CBarObjectWnd>> windows;
    std::map<unsigned, unsigned> pictures;
    std::vector<unsigned> redrawn;
};

class ToolBars : public CMainDialogTest {
protected:
    ToolBars() { dialog.SetBarsHost(&bars); }

    std::filesystem::path Settings() const { return settings / "IniFiles"; }

    CRecordingBarsHost bars;
};

}  // namespace

TEST_F(ToolBars, ShowTheMainAndEditBarsAtFirstAndRememberWhatTheUserShows)
{
    EXPECT_EQ(bars.ShownIndices(), (std::vector<int>{0, 6}));
    EXPECT_EQ(bars.bars[0].name, "メインツールバー");
    EXPECT_EQ(bars.bars[0].buttons, GetDefaultBarButtons(0));

    dialog.OnCommand(kCmdToolbarFirst);
    EXPECT_EQ(LastBoxText(), "メインツールバーは非表示にはできません。");
    dialog.OnCommand(kCmdToolbarFirst + 6);
    dialog.OnCommand(kCmdToolbarFirst + 5);
    EXPECT_EQ(bars.ShownIndices(), (std::vector<int>{0, 5}));
    EXPECT_EQ(Update(kCmdToolbarFirst + 5).GetChecked(), true);
    EXPECT_EQ(Update(kCmdToolbarFirst + 6).GetChecked(), false);
    EXPECT_EQ(Update(kCmdToolbarFirst + 1).GetText(), "ユーザー定義1");

    // Another start reads the shown bars back.
    CToolBarSet again(Settings());
    again.Load();
    for (int bar = 0; bar < kToolBarCount; ++bar) {
        EXPECT_EQ(again.IsShown(bar), bar == 0 || bar == 5) << bar;
    }
    // A main bar written as hidden shows all the same.
    CIniProfile(Settings() / "CustomBar" / "State.ini", false, true).SetInt("Main", "Visible", 0);
    again.Load();
    EXPECT_TRUE(again.IsShown(kMainToolBar));
}

TEST_F(ToolBars, CustomisedButtonsAreSavedAndShownAfterOk)
{
    dialogs.customize = [](CToolBarCustomizeDlg& customize) {
        customize.SelectBar(1);
        customize.Insert(0, kCmdUndo);
        customize.Insert(1, kBarSeparator);
        customize.Insert(2, kCmdColorDisplay);
        customize.Insert(0, 12345);  // no bar may carry it
        customize.Move(0, 1);
        customize.Insert(3, kCmdRedo);
        customize.Remove(3);
        customize.SelectBar(6);
        customize.RestoreDefaults();
        customize.Remove(0);
    };
    dialog.OnCommand(kCmdCustomizeToolbars);
    EXPECT_EQ(LoadBarButtons(Settings(), 1), (CustomBarButtons{kBarSeparator, kCmdUndo, kCmdColorDisplay}));
    CustomBarButtons edit = GetDefaultBarButtons(6);
    edit.erase(edit.begin());
    EXPECT_EQ(bars.bars[1].buttons, edit) << "a shown bar takes its new buttons at once";

    dialog.OnCommand(kCmdToolbarFirst + 1);
    EXPECT_EQ(bars.bars[1].buttons, (CustomBarButtons{kBarSeparator, kCmdUndo, kCmdColorDisplay}));
    ASSERT_EQ(bars.windows.size(), 2u) << "the main bar's colour display and the new one";

    // Cancel keeps the files as they were.
    dialogs.customize = {};
    dialog.OnCommand(kCmdCustomizeToolbars);
    EXPECT_EQ(LoadBarButtons(Settings(), 1), (CustomBarButtons{kBarSeparator, kCmdUndo, kCmdColorDisplay}));
}

TEST(ToolBarFiles, DamagedFilesGiveTheDefaults)
{
    const std::vector<uint8_t> good = FormatBarFile({kCmdFileNew, kBarSeparator, kCmdUndo});
    ASSERT_EQ(ParseBarFile(good), (CustomBarButtons{kCmdFileNew, kBarSeparator, kCmdUndo}));
    for (size_t length = 0; length < good.size(); ++length) {
        EXPECT_FALSE(ParseBarFile(std::span(good).first(length))) << length;
    }
    std::vector<uint8_t> longer = good;
    longer.push_back(0);
    std::vector<uint8_t> identifier = good;
    identifier[0] = 'X';
    std::vector<uint8_t> version = good;
    version[6] = 2;
    std::vector<uint8_t> hugeCount = good;
    hugeCount[11] = 0x80;
    for (const auto& damaged : {longer, identifier, version, hugeCount}) {
        EXPECT_FALSE(ParseBarFile(damaged));
    }

    CScratchDirectory settings;
    std::filesystem::create_directories(settings / "CustomBar");
    WriteFileBytes(settings / "CustomBar" / "Edit.dat", std::string(identifier.begin(), identifier.end()));
    EXPECT_EQ(LoadBarButtons(settings / "", 6), GetDefaultBarButtons(6));
    std::filesystem::create_directories(settings / "CustomBar" / "Main.dat");
    EXPECT_EQ(LoadBarButtons(settings / "", 0), GetDefaultBarButtons(0)) << "a folder in the file's place";
}

TEST_F(ToolBars, StateButtonsShowTheCurrentChoiceAndTheColourObjectsFollowTheColours)
{
    dialog.OnCommand(kCmdToolLine);
    dialog.OnCommand(kCmdZoom8);
    dialog.OnCommand(kCmdPenSizeFirst + 2);
    dialog.OnCommand(kCmdToneFirst + 3);
    dialog.OnCommand(kCmdFillStyleFirst + 4);
    EXPECT_EQ(bars.pictures, (std::map<unsigned, unsigned>{{kCmdZoomButton, kCmdZoom8},
                                                          {kCmdToolButton, kCmdToolLine},
                                                          {kCmdPenSizeButton, kCmdPenSizeFirst + 2},
                                                          {kCmdToneButton, kCmdToneFirst + 3},
                                                          {kCmdFillStyleButton, kCmdFillStyleFirst + 4}}));

    // Every button a bar may carry has an icon.
    for (const SCustomBarButton& button : GetCustomBarButtons()) {
        EXPECT_NE(dialog.GetIconManager().Find(button.id), nullptr) << button.id;
        EXPECT_FALSE(GetCustomBarButtonLabel(dialog.GetMenuManager(), button.id).empty()) << button.id;
    }

    // A click on the mini palette picks the drawing colour.
    CMiniPaletteWnd palette;
    palette.OnSize(CMiniPaletteWnd::kSize.cx, CMiniPaletteWnd::kSize.cy);
    bars.redrawn.clear();
    palette.OnLButtonDown(0, {3 * CMiniPaletteWnd::kCellSize + 1, 2 * CMiniPaletteWnd::kCellSize + 4});
    EXPECT_EQ(dialog.GetDocument()->GetDrawingColor(), 2 * CMiniPaletteWnd::kColumns + 3);
    EXPECT_EQ(bars.redrawn, (std::vector<unsigned>{kCmdColorDisplay, kCmdMiniPalette}));
    EXPECT_EQ(palette.HitTest({CMiniPaletteWnd::kSize.cx, 0}), -1);

    // The colour display: the front square is the drawing colour.
    std::vector<IMainDialog::EColorIndex> clicked;
    CColorDisplayWnd display([&](IMainDialog::EColorIndex which) { clicked.push_back(which); });
    display.OnSize(30, 22);
    display.OnLButtonDown(0, {2, 2});
    display.OnLButtonDown(0, {28, 20});
    display.OnLButtonDown(0, {28, 1});
    EXPECT_EQ(clicked, (std::vector{IMainDialog::kDrawingColor, IMainDialog::kBackgroundColor}));
    EXPECT_EQ(display.GetBackBuffer()->GetDisplayRow(5)[5],
              dialog.GetDocument()->GetCurrentPalette()->GetColor(2 * CMiniPaletteWnd::kColumns + 3).ToDisplayPixel());
}

TEST_F(ToolBars, StatusBarDescribesThePointerTheSelectionAndTheLayer)
{
    CImageEditWnd& canvas = dialog.GetImageEditWnd();
    canvas.OnSize(200, 200);
    dialog.OnCommand(kCmdZoom2);
    const CRect picture = canvas.ImageToScreen({5, 7, 6, 8});
    SStatusBarInfo info = DescribeStatus(canvas, CPoint{picture.left + 1, picture.top + 1});
    EXPECT_EQ(info.pointer, "5, 7");
    EXPECT_EQ(info.pixel, "159  (255, 255, 255)");
    EXPECT_EQ(info.zoom, "x 2");
    EXPECT_EQ(info.layer, "レイヤ 1/1  " + sb::Utf16ToUtf8(dialog.GetDocument()->GetCurrentLayer()->GetLayerName()));
    EXPECT_EQ(info.drawingColor, "描画色 0");
    EXPECT_EQ(info.backgroundColor, "背景色 159");
    EXPECT_EQ(info.selection, "");
    EXPECT_EQ(DescribeStatus(canvas, CPoint{-50, -50}).pointer, "") << "off the picture";

    dialog.OnCommand(kCmdSelectAll);
    EXPECT_EQ(DescribeStatus(canvas, std::nullopt).selection, "選択 64 × 64");
}
