#include <gtest/gtest.h>

#include "app/new_document_dlg.h"
#include "app/size_presets.h"
#include "bars/command_ids.h"
#include "model/layer_cache.h"
#include "model/stipplebox_data.h"
#include "support/main_dialog_fixture.h"

using MainDialog = CMainDialogTest;

TEST_F(MainDialog, StartsUntitledAndAsksBeforeDiscardingOnlyAChangedDocument)
{
    EXPECT_EQ(host.title, "新しい画像 - Stipple Box 2");
    dialog.OnCommand(kCmdExit);
    EXPECT_EQ(host.ended, 1) << "nothing to lose, so no question";
    EXPECT_TRUE(messages->GetRecords().empty());

    MakeChange();
    messages->QueueAnswer(MessageBoxAnswer::Cancel);
    dialog.OnCommand(kCmdFileNew);
    ASSERT_EQ(messages->GetRecords().size(), 1u);
    EXPECT_EQ(LastBoxText(), "新しい画像 への変更を保存しますか？");
    EXPECT_EQ(messages->GetRecords()[0].buttons, MessageBoxButtons::YesNoCancel);
    EXPECT_EQ(messages->GetRecords()[0].icon, MessageBoxIcon::Question);
    EXPECT_EQ(dialogs.newDocumentRuns, 0);
    messages->QueueAnswer(MessageBoxAnswer::No);
    dialog.OnClose();
    EXPECT_EQ(host.ended, 2) << "No discards the changes";
}

TEST_F(MainDialog, YesWithACancelledSaveDialogCancelsNewOpenAndExit)
{
    MakeChange();
    const CStippleboxData* document = dialog.GetDocument();
    messages->SetFallbackAnswer(MessageBoxAnswer::Yes);
    for (const unsigned command : {kCmdFileNew, kCmdFileOpen, kCmdExit}) {
        dialog.OnCommand(command);
    }
    ASSERT_EQ(files.GetRequests().size(), 3u);
    for (const SFileDialogRequest& request : files.GetRequests()) {
        EXPECT_EQ(request.kind, SFileDialogRequest::Kind::Save);
    }
    EXPECT_EQ(dialogs.newDocumentRuns, 0);
    EXPECT_EQ(host.ended, 0);
    EXPECT_EQ(dialog.GetDocument(), document);
    EXPECT_TRUE(dialog.GetCommandManager().IsModified());
}

TEST_F(MainDialog, NewKeepsTheFormsChoicesForNextTime)
{
    dialogs.answer = [](CNewDocumentDlg& form) {
        form.ChoosePreset(7);  // 320 x 240
        form.SetPalette(ENewDocumentPalette::Greyscale);
        form.SetBackground(ENewDocumentBackground::White);
    };
    dialog.OnCommand(kCmdFileNew);
    const CStippleboxData& document = *dialog.GetDocument();
    EXPECT_EQ(document.GetCanvasSize(), (CSize{320, 240}));
    EXPECT_EQ(document.GetBackgroundColor(), 255);
    EXPECT_EQ(document.GetCurrentPalette()->GetColor(77), (SPaletteColor{77, 77, 77}));

    dialogs.answer = nullptr;
    dialog.OnCommand(kCmdFileNew);
    EXPECT_EQ(dialogs.seenSize, (CSize{320, 240})) << "the last size comes back";
    EXPECT_EQ(dialog.GetDocument()->GetCanvasSize(), (CSize{320, 240})) << "a cancelled form changes nothing";
}

TEST_F(MainDialog, OpeningAnUnknownOrBrokenFileKeepsTheOpenDocument)
{
    const CStippleboxData* document = dialog.GetDocument();
    dialog.OpenFile(settings / "notes.txt");
    EXPECT_EQ(LastBoxText(), "画像形式を判別出来ませんでした。\n読み込みを中止します。\n\n" + (settings / "notes.txt").string());

    const std::filesystem::path broken = settings / "broken.sbx";
    WriteFileBytes(broken, "not a picture");
    dialog.OpenFile(broken);
    EXPECT_NE(LastBoxText().find(broken.string()), std::string::npos) << LastBoxText();
    EXPECT_EQ(dialog.GetDocument(), document);
    EXPECT_TRUE(dialog.GetDocumentPath().empty());
}

TEST_F(MainDialog, SaveAsThenOpenGivesANewHistoryAndTheFilesName)
{
    dialog.GetDocument()->GetCurrentLayer()->SetPixel(1, 2, 7);
    MakeChange();
    const std::filesystem::path path = settings / "cat.sbx";
    files.QueueAnswer(path);
    dialog.OnCommand(kCmdFileSaveAs);
    EXPECT_FALSE(dialog.GetCommandManager().IsModified());

    MakeChange();
    messages->QueueAnswer(MessageBoxAnswer::No);
    files.QueueAnswer(path);
    dialog.GetImageEditWnd().OnSize(100, 100);
    dialog.SetZoom(8);
    dialog.OnCommand(kCmdFileOpen);
    EXPECT_EQ(messages->GetRecords()[0].text, "cat.sbx への変更を保存しますか？");
    EXPECT_EQ(dialog.GetDocumentPath(), path);
    EXPECT_EQ(dialog.GetDocument()->GetCurrentLayer()->GetPixel(1, 2), 7);
    EXPECT_FALSE(dialog.GetCommandManager().IsModified());
    EXPECT_EQ(dialog.GetImageEditWnd().GetZoom(), 1) << "an opened document starts at zoom 1";

    files.QueueAnswer(settings / "cat.xyz");
    dialog.OnCommand(kCmdFileSaveAs);
    EXPECT_EQ(LastBoxText(), "ファイル形式が判別できませんでした。");
    EXPECT_EQ(dialog.GetDocumentPath(), path) << "the path stays with the file that holds the document";
    files.QueueAnswer(std::nullopt);
    dialog.OnCommand(kCmdFileSaveAs);
    EXPECT_EQ(dialog.GetDocumentPath(), path);
}

TEST_F(MainDialog, SavingLayersToAOneLayerFormatWarnsAndNoWritesNothing)
{
    CStippleboxData& document = *dialog.GetDocument();
    document.GetLayers()->NewLayer(1, 64, 64)->Fill(3);
    document.GetLayers()->NewLayer(2, 64, 64)->Fill(4);
    MakeChange();
    const std::filesystem::path path = settings / "flat.bmp";
    files.QueueAnswer(path);
    messages->QueueAnswer(MessageBoxAnswer::No);
    dialog.OnCommand(kCmdFileSave);
    EXPECT_EQ(LastBoxText(), "この形式では一部の情報を保存することができません。\n\n"
                             "・レイヤは全て重なった状態で保存されます\n\n保存を続行しますか？");
    EXPECT_EQ(messages->GetRecords().back().buttons, MessageBoxButtons::YesNo);
    EXPECT_FALSE(std::filesystem::exists(path));
    EXPECT_EQ(dialog.GetCommandManager().GetChangeCount(), 1);

    files.QueueAnswer(path);
    messages->QueueAnswer(MessageBoxAnswer::Yes);
    dialog.OnCommand(kCmdFileSave);
    EXPECT_TRUE(std::filesystem::exists(path));
    EXPECT_EQ(document.GetLayers()->GetSize(), 3) << "the document keeps its layers";
    EXPECT_FALSE(dialog.GetCommandManager().IsModified());
}

TEST_F(MainDialog, LayersExportAsNumberedFilesBackmostFirst)
{
    CStippleboxData& document = *dialog.GetDocument();
    for (int i = 1; i < 4; ++i) {
        document.GetLayers()->NewLayer(i, 64, 64)->Fill(uint8_t(10 + i));
    }
    MakeChange();
    files.QueueAnswer(settings / "pic.gif");
    dialog.OnCommand(kCmdExportLayers);
    for (int i = 0; i < 4; ++i) {
        const std::filesystem::path numbered = settings / ("pic_00" + std::to_string(i) + ".gif");
        ASSERT_TRUE(std::filesystem::exists(numbered)) << numbered;
    }
    EXPECT_FALSE(std::filesystem::exists(settings / "pic_004.gif"));
    dialog.OpenFile(settings / "pic_000.gif");
    EXPECT_EQ(dialog.GetDocument()->GetCurrentLayer()->GetPixel(5, 5), 13) << "layer 3 comes first";

    files.QueueAnswer(settings / "walk.gif");
    dialog.OnCommand(kCmdExportAnimatedGif);
    EXPECT_EQ(files.GetRequests().back().filter, "GIF - Graphics Interchange Format|*.gif||") << "GIF only";
}

TEST_F(MainDialog, ViewCommandsFollowTheCanvasAndItemsOfFeaturesNotOfferedAreDisabled)
{
    // An item whose command the program does not route.
    constexpr unsigned kUnrouted = 40999;
    EXPECT_FALSE(dialog.OnCommand(kUnrouted));
    EXPECT_EQ(Update(kUnrouted).GetEnabled(), false);

    CImageEditWnd& canvas = dialog.GetImageEditWnd();
    canvas.OnSize(400, 300);
    dialog.OnCommand(kCmdZoom12);
    EXPECT_EQ(canvas.GetZoom(), 12);
    dialog.OnCommand(kCmdZoomIn);
    EXPECT_EQ(canvas.GetZoom(), 16);
    EXPECT_EQ(Update(kCmdGrid).GetEnabled(), true);
    EXPECT_EQ(Update(kCmdGrid).GetChecked(), true);
    dialog.OnCommand(kCmdGrid);
    EXPECT_FALSE(canvas.IsGridShown());
    dialog.OnCommand(kCmdZoom32);
    EXPECT_EQ(Update(kCmdZoomIn).GetEnabled(), false);

    dialog.OnCommand(kCmdOnionSkin);
    EXPECT_TRUE(dialog.GetDocument()->IsOnionSkin());
    EXPECT_EQ(Update(kCmdOnionSkin).GetChecked(), true);
}

TEST_F(MainDialog, PopupMenusOpenBelowAButtonInTheUpperHalfAndAboveOneInTheLower)
{
    host.source = {10, 20, 40, 50};
    dialog.OnCommand(kCmdZoomButton);
    host.source = {10, 500, 40, 530};
    dialog.OnCommand(kCmdToolButton);
    ASSERT_EQ(host.popups.size(), 2u);
    EXPECT_EQ(host.popups[0].label, "表示倍率");
    EXPECT_EQ(host.popups[0].point, (CPoint{10, 50}));
    EXPECT_FALSE(host.popups[0].above);
    EXPECT_EQ(host.popups[1].point, (CPoint{10, 500}));
    EXPECT_TRUE(host.popups[1].above);

    dialog.ShowPopupMenu(131, {0, 0, 1, 1});
    EXPECT_EQ(LastBoxText(), "メニューの表示に失敗しました。");
}

TEST(NewDocumentDialog, PresetsAndStoredValuesStayWithinTheCanvasLimits)
{
    EXPECT_EQ(ParseSizePreset("640 x 480"), (CSize{640, 480}));
    EXPECT_EQ(ParseSizePreset("プリセット"), std::nullopt);
    ASSERT_EQ(GetSizePresetLabels().size(), 9u);
    for (size_t i = 1; i < GetSizePresetLabels().size(); ++i) {
        EXPECT_TRUE(ParseSizePreset(GetSizePresetLabels()[i])) << i;
    }

    CScratchDirectory directory;
    WriteFileBytes(directory / "New.ini", "Width=5000\nHeight=-3\nBG=7\nPalette=2\n");
    CScriptedDialogs dialogs;
    dialogs.answer = [](CNewDocumentDlg&) {};
    CNewDocumentDlg dialog(directory / "New.ini");
    ASSERT_TRUE(dialog.DoModal(dialogs));
    EXPECT_EQ(dialogs.seenSize, (CSize{1024, 1}));
    EXPECT_EQ(dialog.GetBackground(), ENewDocumentBackground::White);
    EXPECT_EQ(dialog.GetPalette(), ENewDocumentPalette::Greyscale);
    EXPECT_EQ(ReadFileBytes(directory / "New.ini"), "[General]\nBG=0\nHeight=1\nPalette=2\nWidth=1024\n\n");
}

TEST_F(MainDialog, ANewBackgroundColourRebuildsThePicture)
{
    // Layer 0 (in front) holds the background index everywhere, so the layer
    // behind it shows through.
    CStippleboxData& document = *dialog.GetDocument();
    document.GetLayers()->NewLayer(1, 64, 64)->Fill(5);
    dialog.OnLayersChanged(true);
    const CLayerCache& cache = dialog.GetImageEditWnd().GetLayerCache();
    ASSERT_NE(cache.GetPixels(), nullptr);
    EXPECT_EQ(cache.GetPixels()[0], 5);

    dialog.SetColorIndex(IMainDialog::kBackgroundColor, 5);
    EXPECT_EQ(document.GetBackgroundColor(), 5);
    EXPECT_EQ(cache.GetPixels()[0], 159) << "the front layer is opaque now";
}
