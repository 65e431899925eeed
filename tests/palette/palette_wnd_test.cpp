#include <gtest/gtest.h>

#include <fstream>

#include "app/ini_profile.h"
#include "palette_fixture.h"
#include "platform/recording_cmd_ui.h"

namespace {

using PaletteWindow = CPaletteWndTest;

// The middle of a bar's strip row at a value.
CPoint OnStrip(CColorValueBar& bar, int value)
{
    return {bar.ValueToX(value), bar.GetStripRect().top + 2};
}

void DragBar(CColorValueBar& bar, const std::vector<int>& values)
{
    bar.OnLButtonDown(MK_LBUTTON, OnStrip(bar, values.front()));
    for (const int value : values) {
        bar.OnMouseMove(MK_LBUTTON, OnStrip(bar, value));
    }
    bar.OnLButtonUp(0, OnStrip(bar, values.back()));
}

DisplayPixel StripEnd(CColorValueBar& bar, bool right)
{
    const CRect strip = bar.GetStripRect();
    return bar.GetBackBuffer()->GetDisplayRow(strip.top)[right ? strip.right - 1 : strip.left];
}

TEST_F(PaletteWindow, OpensForEitherColourAndSaysWhichInItsTitle)
{
    EXPECT_EQ(Frame().GetTitle(), "パレット - 描画色");
    EXPECT_EQ(Window().GetLabels()[0].text, "R");
    for (int channel = 0; channel < 3; ++channel) {
        EXPECT_EQ(Window().GetValueText(channel), "9");
        EXPECT_EQ(Window().GetBar(channel).GetMax(), 255);
    }
    EXPECT_EQ(Window().GetLabels().back().text, "9番");
    EXPECT_EQ(Window().GetSample().GetColor(), (SPaletteColor{9, 9, 9}));
    EXPECT_EQ(StripEnd(Window().GetBar(0), true), MakeDisplayPixel(255, 9, 9)) << "red up to full";

    Command(kCmdEditBackgroundColor);
    EXPECT_EQ(Frame().GetTitle(), "パレット - 背景色") << "the same window turns to the other colour";
    EXPECT_EQ(Frame().GetActivations(), 1);
    EXPECT_EQ(Window().GetValueText(0), "0");

    dialog.InstallDocument(MakeRowsDocument({{"01"}}), {});
    EXPECT_EQ(dialog.GetPaletteWnd(), nullptr) << "a new document closes it";
}

// Hue set while the saturation is 0 leaves the colour grey; converted back
// from the colour it would be lost, so the window keeps the values set.
TEST_F(PaletteWindow, EditingInHsvKeepsTheValuesSetAndIsOneStepToUndo)
{
    Window().OnCommand(kCmdColorSpaceFirst + 1);
    EXPECT_EQ(Window().GetLabels()[2].text, "S");
    EXPECT_EQ(Window().GetBar(0).GetMax(), 359);
    EXPECT_EQ(StripEnd(Window().GetBar(0), false), MakeDisplayPixel(255, 0, 0)) << "the full hue circle";
    EXPECT_EQ(StripEnd(Window().GetBar(1), true), MakeDisplayPixel(9, 0, 0)) << "saturation at this hue and value";

    DragBar(Window().GetBar(0), {50, 120, 200});
    const uint16_t hue = uint16_t(Window().GetBar(0).GetValue());
    ASSERT_GT(hue, 190);
    const std::string hueText = std::to_string(hue);
    EXPECT_EQ(Window().GetValueText(0), hueText);
    EXPECT_EQ(Palette().GetColor(9), (SPaletteColor{9, 9, 9}));
    const SPaletteColor blue = CColorSpaceHSV().ToRgb({hue, 255, 9});
    EXPECT_EQ(StripEnd(Window().GetBar(1), true), blue.ToDisplayPixel()) << "refilled for the new hue";
    DragBar(Window().GetBar(1), {255});
    EXPECT_EQ(Palette().GetColor(9), blue);
    EXPECT_EQ(Palette().GetTriple(9), (std::array<uint16_t, 3>{hue, 255, 9}));
    EXPECT_EQ(Palette().GetColorSpaceID(9), 1);

    Window().OnCommand(kCmdColorSpaceFirst);
    EXPECT_EQ(Window().GetValueText(2), std::to_string(blue.blue));
    Window().OnCommand(kCmdColorSpaceFirst + 1);
    EXPECT_EQ(Window().GetValueText(0), hueText) << "the values set, not the colour's";

    EXPECT_EQ(UndoText(), "元に戻す:色の変更");
    Undo();
    EXPECT_EQ(Palette().GetColor(9), (SPaletteColor{9, 9, 9}));
    EXPECT_EQ(Window().GetValueText(0), hueText) << "the first drag's values";
    EXPECT_EQ(Window().GetValueText(1), "0");
    Undo();
    EXPECT_EQ(Window().GetValueText(0), "0");
    EXPECT_EQ(Palette().GetColorSpaceID(9), 0) << "its space as before, with its triple";
    EXPECT_EQ(UndoText(), "元に戻す");

    DragBar(Window().GetBar(2), {9});
    EXPECT_EQ(UndoText(), "元に戻す:色の変更") << "a drag that ends where it began is a step too";
}

TEST_F(PaletteWindow, ItsMenuChoosesToolsOptionsSpacesAndPalettes)
{
    const auto update = [&](unsigned id) {
        CRecordingCmdUI cmdUI(id);
        Window().OnUpdateCommand(cmdUI);
        return cmdUI;
    };
    ASSERT_TRUE(Frame().ClickButton(kCmdMenuButton, {600, 40, 650, 60}));
    const SMenuItem& menu = Frame().GetPopups().back().menu;
    EXPECT_EQ(Frame().GetPopups().back().point, (CPoint{600, 60}));
    std::vector<std::string> labels;
    for (const SMenuItem& item : menu.items) {
        if (!item.IsSeparator()) {
            labels.push_back(item.label);
        }
    }
    EXPECT_EQ(labels, (std::vector<std::string>{"通常カーソル", "カラーマスクを指定", "直線選択", "長方形選択",
                                                "ドラッグで色をコピー", "ドラッグで色を入れ替え",
                                                "ドラッグで色を挿入移動", "画像の見た目を維持", "RGB", "HSV", "HLS",
                                                "グラデーション", "カラーマスクをクリア", "カラーマスクを反転",
                                                "パレットの追加", "パレットの削除", "パレットのプロパティ...",
                                                "パレットの読み込み...", "パレットの書き出し...", "Pal001", "ピン留め", "閉じる"}));
    EXPECT_EQ(update(kCmdPaletteDelete).GetEnabled(), false) << "the last palette stays";
    EXPECT_EQ(update(kCmdColorSpaceFirst).GetChecked(), true);

    Window().OnCommand(kCmdPaletteToolSelectRect);
    EXPECT_EQ(update(kCmdPaletteToolButton).GetText(), "長方形選択");
    Window().OnCommand(kCmdPaletteDragCopy);
    Window().OnCommand(kCmdPaletteDragSwap);
    EXPECT_EQ(dialog.GetToolOptions().paletteDragOption, 2);
    Window().OnCommand(kCmdPaletteDragSwap);
    EXPECT_EQ(dialog.GetToolOptions().paletteDragOption, 0) << "chosen again, cleared";
    Window().OnCommand(kCmdPaletteKeepLook);
    EXPECT_EQ(update(kCmdPaletteKeepLook).GetChecked(), true);

    Window().OnCommand(kCmdPaletteAdd);
    Palette().SetColor(9, {0, 0, 200});
    Window().OnCommand(kCmdPaletteChooseFirst);
    EXPECT_EQ(Document().GetPalettes()->GetCurrentIndex(), 0);
    EXPECT_EQ(Window().GetValueText(0), "9") << "the bars follow the palette";
    EXPECT_EQ(update(kCmdPaletteDelete).GetEnabled(), true);
    EXPECT_EQ(update(kCmdPaletteChooseFirst + 1).GetChecked(), false);
    EXPECT_EQ(update(kCmdPaletteChooseFirst + 2).GetEnabled(), false);
    Undo();
    EXPECT_EQ(Window().GetValueText(0), "200");

    Window().OnCommand(kCmdGradation);
    EXPECT_EQ(LastBoxText(), "グラデーション処理を行う色範囲を選択してから実行してください。")
        << "the main dialog's command";
    EXPECT_EQ(update(kCmdRedo).GetText(), "やり直す:カレントパレット変更") << "the main dialog's update";
}

TEST_F(PaletteWindow, RemembersItsSpacePlaceAndOpennessThroughItsSettingsFile)
{
    Window().OnCommand(kCmdColorSpaceFirst + 2);
    Frame().MoveTo({40, 50, 340, 500});
    Command(kCmdExit);
    EXPECT_EQ(dialog.GetPaletteWnd(), nullptr);
    dialog.OnInitDialog(host);
    ASSERT_NE(dialog.GetPaletteWnd(), nullptr);
    EXPECT_EQ(Window().GetColorSpace().Name(), "HLS");
    EXPECT_EQ(Frame().GetWindowRect(), (CRect{40, 50, 340, 500}));

    std::ofstream(settings / "IniFiles" / "PaletteWnd") << "ColorSpace=77\nRect=a,b,c,d\n\xff\xfe=\nVisible=1\n";
    dialog.OnInitDialog(host);
    ASSERT_NE(dialog.GetPaletteWnd(), nullptr);
    EXPECT_EQ(Window().GetColorSpace().Name(), "RGB");
    EXPECT_EQ(Frame().GetWindowRect().left, 900) << "the frame's default place";
}

}  // namespace
