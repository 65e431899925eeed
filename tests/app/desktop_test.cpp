// The main dialog as a desktop program: files handed over at start or
// dropped, names typed without an extension, the window title and the
// animated GIF opened as layers.
#include <gtest/gtest.h>

#include "bars/command_ids.h"
#include "formats/serializer_image_gif.h"
#include "formats/serializer_image_sbx.h"
#include "model/stipplebox_data.h"
#include "support/main_dialog_fixture.h"
#include "support/test_documents.h"

namespace fs = std::filesystem;

using Desktop = CMainDialogTest;

TEST_F(Desktop, FilesHandedOverOrDroppedOpenOnceTheOpenDocumentMayGo)
{
    auto document = MakeRichDocument(5, 4, 2, 1, 8);
    ASSERT_TRUE(CSerializerImageSbx().Write(settings / "a.sbx", document.get()));
    dialog.OnStartup({settings / "a.sbx", settings / "b.png", settings / "c.gif"});
    EXPECT_EQ(host.title, "a.sbx - Stipple Box 2");
    EXPECT_EQ(LastBoxText(), "一度に開ける画像は一つだけです。\n次のファイルは開きませんでした。\n\n" +
                                 (settings / "b.png").string() + "\n" + (settings / "c.gif").string());

    dialog.ExecuteCommand(std::make_unique<CChange>());
    const CStippleboxData* changed = dialog.GetDocument();
    messages->QueueAnswer(MessageBoxAnswer::Cancel);
    dialog.OnDropFiles({settings / "a.sbx"});
    EXPECT_EQ(dialog.GetDocument(), changed);
    messages->QueueAnswer(MessageBoxAnswer::No);
    dialog.OnDropFiles({settings / "a.sbx"});
    EXPECT_NE(dialog.GetDocument(), changed);
    EXPECT_EQ(host.title, "a.sbx - Stipple Box 2");
}

TEST_F(Desktop, ANameTypedWithoutAnExtensionGetsTheChosenFormats)
{
    files.QueueAnswer(settings / "robot");  // the native format, preselected
    dialog.OnCommand(kCmdFileSaveAs);
    EXPECT_EQ(dialog.GetDocumentPath(), settings / "robot.sbx");
    EXPECT_TRUE(fs::exists(settings / "robot.sbx"));
    EXPECT_EQ(host.title, "robot.sbx - Stipple Box 2");

    files.QueueAnswer(settings / "walk");
    dialog.OnCommand(kCmdExportAnimatedGif);
    EXPECT_TRUE(fs::exists(settings / "walk.gif"));
    files.QueueAnswer(settings / "frame", 2);  // the second writable format, PNG
    dialog.OnCommand(kCmdExportLayers);
    EXPECT_TRUE(fs::exists(settings / "frame_000.png"));
    files.QueueAnswer(settings / "v1.2" / "plan.bmp");
    fs::create_directories(settings / "v1.2");
    dialog.OnCommand(kCmdFileSaveAs);
    EXPECT_EQ(dialog.GetDocumentPath(), settings / "v1.2" / "plan.bmp") << "a typed extension stays";
}

TEST_F(Desktop, AnAnimatedGifOpensAsLayersUntitled)
{
    auto document = MakeRichDocument(6, 4, 3, 1, 10);
    ASSERT_TRUE(CSerializerImageGif().WriteAnimation(settings / "walk.gif", document.get()));
    files.QueueAnswer(settings / "walk.gif");
    dialog.OnCommand(kCmdOpenGifLayers);
    ASSERT_EQ(files.GetRequests().back().filter, "全ての画像形式|*.gif|GIF - Graphics Interchange Format|*.gif||");
    // What each frame becomes is GifLayers'.
    EXPECT_EQ(dialog.GetDocument()->GetLayers()->GetSize(), 3);
    EXPECT_TRUE(dialog.GetDocumentPath().empty());
    EXPECT_EQ(host.title, "新しい画像 - Stipple Box 2");
}
