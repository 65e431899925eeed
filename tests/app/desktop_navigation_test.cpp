#include <gtest/gtest.h>

#include "app/new_document.h"
#include "bars/command_ids.h"
#include "model/stipplebox_data.h"
#include "platform/keyboard.h"
#include "support/editor_fixture.h"

using DesktopNavigation = CEditorTest;

TEST_F(DesktopNavigation, NewAndOpenedPicturesFitTheCanvasUnlessTheSettingSaysZoomOne)
{
    // The canvas is 640 × 480.
    CImageEditWnd& canvas = dialog.GetImageEditWnd();
    EXPECT_EQ(canvas.GetZoom(), 4) << "the start-up picture, fitted once the canvas had a size";
    dialogs.answer = [](CNewDocumentDlg& form) { form.SetSize(320, 240); };
    Command(kCmdFileNew);
    EXPECT_EQ(canvas.GetZoom(), 2);
    dialog.InstallDocument(CreateNewDocument(4, 3, ENewDocumentPalette::Greyscale, ENewDocumentBackground::White), {});
    EXPECT_EQ(canvas.GetZoom(), 16) << "never beyond x 16";

    dialogs.general = [](CGeneralDlg& form) {
        EXPECT_TRUE(form.IsFittingToWindow());
        form.SetFitToWindow(false);
    };
    Command(kCmdGeneralSettings);
    Command(kCmdFileNew);
    EXPECT_EQ(canvas.GetZoom(), 1);
    CStippleboxDlg next(settings / "IniFiles", dialogs);
    next.OnInitDialog(host);
    next.GetImageEditWnd().OnSize(640, 480);
    EXPECT_EQ(next.GetImageEditWnd().GetZoom(), 1) << "the setting is kept";
}

TEST_F(DesktopNavigation, WhileSpaceIsHeldTheMouseDragsTheViewInsteadOfDrawing)
{
    // Large enough for the view to move anywhere near the top-left.
    const PixelRows blank(200, std::string(200, '0'));
    Open(MakeRowsDocument({blank}));
    Command(kCmdToolFreehand);
    const auto space = [this](SKeyMessage::EType type) {
        dialog.PreTranslateKeyMessage({type, VK_SPACE, type == SKeyMessage::EType::KeyUp, 0});
    };
    const CPoint start = dialog.GetImageEditWnd().GetScrollPosition();
    space(SKeyMessage::EType::KeyDown);
    space(SKeyMessage::EType::KeyDown);  // the key repeats
    canvas.Stroke({{10, 10}, {15, 12}});
    EXPECT_EQ(dialog.GetImageEditWnd().GetScrollPosition(), (CPoint{start.x - 5, start.y - 2}));
    EXPECT_EQ(GetRows(CurrentLayer()), blank);

    space(SKeyMessage::EType::KeyUp);
    canvas.Stroke({{10, 10}});
    EXPECT_EQ(CurrentLayer().GetPixel(10, 10), 9) << "the freehand tool again";
}
