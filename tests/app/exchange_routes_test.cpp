#include <gtest/gtest.h>

#include "bars/command_ids.h"
#include "model/stipplebox_data.h"
#include "support/editor_fixture.h"

// The palette file and sprite sheet commands as the menus run them: file
// dialogs, questions and messages.
namespace {

const std::filesystem::path kDusk = std::filesystem::path(STIPPLEBOX_FIXTURES_DIR) / "palettes" / "dusk.gpl";

class ExchangeRoutes : public CEditorTest {
protected:
    ExchangeRoutes() { Open(MakeRowsDocument({{"12", "34"}, {"56", "78"}})); }
    CStippleboxPalette& Palette() { return *Document().GetCurrentPalette(); }

    CScratchDirectory scratch;
};

}  // namespace

TEST_F(ExchangeRoutes, APaletteFileIsReadAsANewPaletteOrFromTheDrawingColourOn)
{
    files.QueueAnswer(kDusk);
    messages->QueueAnswer(MessageBoxAnswer::Yes);
    Command(kCmdPaletteImport);
    EXPECT_EQ(files.GetRequests().back().filter,
              "全てのパレット形式|*.gpl;*.pal;*.act;*.hex|GPL - GIMPパレット|*.gpl|PAL - JASCパレット|*.pal|"
              "ACT - Adobeカラーテーブル|*.act|HEX - 16進カラーコード|*.hex||");
    EXPECT_EQ(LastBoxText(), "「Dusk 4」(4色) を新しいパレットとして読み込みますか？\n\n"
                             "「いいえ」を選ぶと、現在のパレットの9番の色から上書きします。");
    EXPECT_EQ(Document().GetPalettes()->GetSize(), 2);
    EXPECT_EQ(Palette().GetColor(3), (SPaletteColor{214, 238, 222}));

    files.QueueAnswer(kDusk);
    messages->QueueAnswer(MessageBoxAnswer::No);
    Command(kCmdPaletteImport);
    EXPECT_EQ(Document().GetPalettes()->GetSize(), 2);
    EXPECT_EQ(Palette().GetColor(9), (SPaletteColor{28, 12, 20}));
    EXPECT_EQ(UndoText(), "元に戻す:パレットの読み込み");

    files.QueueAnswer(kDusk);
    messages->QueueAnswer(MessageBoxAnswer::Cancel);
    Command(kCmdPaletteImport);
    ASSERT_TRUE(Undo());
    ASSERT_TRUE(Undo());
    EXPECT_FALSE(Undo()) << "a cancelled import is no step";

    files.QueueAnswer(scratch / "missing.pal");
    Command(kCmdPaletteImport);
    EXPECT_EQ(LastBoxText(), "ファイルのオープンに失敗しました。\n\n" + (scratch / "missing.pal").string());
}

TEST_F(ExchangeRoutes, TheCurrentPaletteIsWrittenUnderItsName)
{
    files.QueueAnswer(scratch / "grey.hex");
    Command(kCmdPaletteExport);
    EXPECT_EQ(files.GetRequests().back().initialFileName, "Pal001");
    // The rest of the format is PaletteFiles'.
    EXPECT_EQ(ReadFileBytes(scratch / "grey.hex").substr(7 * 128, 7), "808080\n");
}

TEST_F(ExchangeRoutes, TheSpriteSheetDialogsChoicesAreKeptAndAPngNameIsMade)
{
    dialogs.spriteSheet = [](CSpriteSheetDlg& form) {
        form.SetLayout(CSpriteSheetDlg::kColumn);
        form.SetPadding(2);
    };
    files.QueueAnswer(scratch / "walk");
    Command(kCmdExportSpriteSheet);
    EXPECT_TRUE(std::filesystem::exists(scratch / "walk.png"));
    EXPECT_NE(ReadFileBytes(scratch / "walk.json").find("\"size\": {\n    \"w\": 2,\n    \"h\": 6\n"),
              std::string::npos);

    SSpriteSheetOptions seen;
    dialogs.spriteSheet = [&seen](CSpriteSheetDlg& form) { seen = form.GetOptions(); };
    Command(kCmdExportSpriteSheet);
    EXPECT_EQ(seen.columns, 1);
    EXPECT_EQ(seen.padding, 2);
}
