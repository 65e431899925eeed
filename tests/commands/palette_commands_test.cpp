#include <gtest/gtest.h>

#include "bars/command_ids.h"
#include "commands/command_color.h"
#include "commands/command_color_effect.h"
#include "commands/command_color_selection.h"
#include "commands/command_image_selection.h"
#include "commands/command_palette.h"
#include "model/palette_order.h"
#include "model/stipplebox_color_selection.h"
#include "model/stipplebox_data.h"
#include "model/stipplebox_image_selection.h"
#include "support/composite_colors.h"
#include "support/editor_fixture.h"
#include "support/test_documents.h"

// That undoing and redoing these commands gives the stored document back
// byte for byte is the undo property test's job; these tests check what each
// command does, refuses and shows.
namespace {

// The real main dialog with a document of three layers and two palettes of
// random colours; commands run through its history.
class PaletteCommands : public CEditorTest {
protected:
    PaletteCommands() { dialog.InstallDocument(MakeRichDocument(8, 6, 3, 2, 11), {}); }

    CStippleboxPalette& Palette() { return *Document().GetCurrentPalette(); }
    CStippleboxColorSelection& EntrySelection() { return *Palette().GetColorSelection(); }
    std::vector<SPaletteColor> Colors(int count = 256)
    {
        std::vector<SPaletteColor> colors;
        for (int i = 0; i < count; ++i) {
            colors.push_back(Palette().GetColor(i));
        }
        return colors;
    }
    void SelectEntries(std::initializer_list<int> entries)
    {
        std::vector<uint8_t> mask(256, 0);
        for (const int entry : entries) {
            mask[entry] = 1;
        }
        ASSERT_TRUE(Execute(std::make_unique<CCommandColorSelectionNew>(std::move(mask))));
    }
};

}  // namespace

TEST_F(PaletteCommands, PalettesAreAddedAsCopiesUpToTen)
{
    const std::vector<SPaletteColor> colors = Colors();
    for (int count = 3; count <= 10; ++count) {
        ASSERT_TRUE(Execute(std::make_unique<CCommandPaletteAdd>()));
    }
    CStippleboxPalettePtrArray& palettes = *Document().GetPalettes();
    EXPECT_EQ(palettes.GetCurrentIndex(), 9);
    EXPECT_EQ(Colors(), colors);
    EXPECT_EQ(Palette().GetTriple(77), palettes[1]->GetTriple(77));
    EXPECT_EQ(Palette().GetPaletteName(), u"Pal010");
    EXPECT_FALSE(Execute(std::make_unique<CCommandPaletteAdd>()));
    EXPECT_EQ(LastBoxText(), "これ以上パレットは追加できません。");
    EXPECT_EQ(palettes.GetSize(), 10);
}

TEST_F(PaletteCommands, DeletingSwitchingAndRenamingPalettes)
{
    EXPECT_FALSE(Execute(std::make_unique<CCommandPaletteCurChange>(1))) << "already current";
    ASSERT_TRUE(Execute(std::make_unique<CCommandPaletteCurChange>(0)));
    SelectEntries({4, 5});
    ASSERT_TRUE(Execute(std::make_unique<CCommandPaletteDelete>()));
    EXPECT_EQ(Palette().GetPaletteName(), u"パレット1") << "the one after it becomes current";
    EXPECT_FALSE(Execute(std::make_unique<CCommandPaletteDelete>())) << "the last palette stays";
    EXPECT_TRUE(messages->GetRecords().empty()) << "refusals without a message";

    const std::u16string name = std::u16string(u"夜") + char16_t(0xD800);  // a lone surrogate survives
    std::u16string shown;
    dialogs.paletteProperty = [&](CPalettePropertyDlg& form) {
        shown = form.GetName();
        form.SetName(name);
    };
    dialog.OnCommand(kCmdPaletteProperty);
    EXPECT_EQ(shown, u"パレット1");
    EXPECT_EQ(Palette().GetPaletteName(), name);
    dialogs.paletteProperty = nullptr;
    dialog.OnCommand(kCmdPaletteProperty);
    EXPECT_EQ(Update(kCmdUndo).GetText(), "元に戻す:パレットプロパティ") << "a cancelled form records nothing";
}

TEST_F(PaletteCommands, SwapAndInsertWithKeepLookRenumberEveryLayerAndSelectionPlane)
{
    CImageEditWnd& canvas = dialog.GetImageEditWnd();
    CStippleboxLayer& layer = *Document().GetCurrentLayer();
    layer.SetPixel(0, 0, 3);
    layer.SetPixel(1, 0, 7);
    layer.SetPixel(2, 0, 2);
    dialog.OnLayersChanged(false);
    // A floating selection, part of it off the canvas.
    ASSERT_TRUE(Execute(std::make_unique<CCommandImageSelectionNew>(CRect{2, 2, 6, 5})));
    ASSERT_TRUE(Execute(std::make_unique<CCommandImageSelectionMove>(CPoint{-2, 3})));
    const CStippleboxImageSelection& selection = layer.GetSelection();
    const auto planeColors = [&] {
        std::vector<SPaletteColor> colors;
        for (const auto* plane : {&selection.GetFloating(), &selection.GetUnderneath()}) {
            for (const uint8_t index : *plane) {
                colors.push_back(Palette().GetColor(index));
            }
        }
        return colors;
    };
    const std::vector<SPaletteColor> picture = GetCompositeColors(canvas);
    const std::vector<SPaletteColor> planes = planeColors();
    const auto expectSameLook = [&](const char* when) {
        EXPECT_EQ(GetCompositeColors(canvas), picture) << when;
        EXPECT_EQ(planeColors(), planes) << when;
    };

    // The palette grid swaps the entries live; the command renumbers.
    Palette().SwapEntries(3, Palette(), 7);
    ASSERT_TRUE(Execute(std::make_unique<CCommandColorSwap>(3, 7, true)));
    EXPECT_EQ(layer.GetPixel(0, 0), 7);
    EXPECT_EQ(layer.GetPixel(1, 0), 3);
    EXPECT_EQ(Document().GetDrawingColor(), 3);
    expectSameLook("after the swap");

    ReorderEntries(Palette(), MakeMoveOrder(2, 5));
    ASSERT_TRUE(Execute(std::make_unique<CCommandColorInsert>(5, 2, true)));
    EXPECT_EQ(layer.GetPixel(2, 0), 5);
    EXPECT_EQ(layer.GetPixel(1, 0), 2) << "3 moved down to 2";
    EXPECT_EQ(Document().GetDrawingColor(), 5);
    expectSameLook("after the insert");

    Palette().SwapEntries(0, Palette(), 1);
    ASSERT_TRUE(Execute(std::make_unique<CCommandColorSwap>(0, 1, false)));
    EXPECT_EQ(layer.GetPixel(2, 0), 5) << "without keep-look the pixels keep their indices";
}

TEST_F(PaletteCommands, GradationWantsThreeSelectedEntriesAndUndoesToTheOldColours)
{
    const std::vector<SPaletteColor> colors = Colors();
    dialog.OnCommand(kCmdGradation);
    EXPECT_EQ(LastBoxText(), "グラデーション処理を行う色範囲を選択してから実行してください。");
    SelectEntries({10, 14});
    dialog.OnCommand(kCmdGradation);
    EXPECT_EQ(LastBoxText(), "3色以上を選択してください。");
    EXPECT_EQ(Update(kCmdUndo).GetText(), "元に戻す:範囲選択");

    SelectEntries({10, 11, 14});
    dialog.OnCommand(kCmdGradation);
    EXPECT_EQ(Update(kCmdUndo).GetText(), "元に戻す:グラデーション");
    EXPECT_EQ(Palette().GetColor(11).red, uint8_t(colors[10].red - (colors[10].red - colors[14].red) * 0.5f));
    EXPECT_EQ(Palette().GetColor(12), colors[12]);
}

TEST_F(PaletteCommands, EntrySelectionsAreMadeOnlyFromAWholeMask)
{
    SelectEntries({4, 9});
    EXPECT_EQ(EntrySelection().GetCount(), 2);
    EXPECT_EQ(EntrySelection().GetPalette()->GetColor(1), (SPaletteColor{})) << "selected colours start black";
    EXPECT_FALSE(Execute(std::make_unique<CCommandColorSelectionNew>(std::vector<uint8_t>(255, 1))));
    EXPECT_EQ(LastBoxText(), "範囲情報作成に失敗しました。");
    EXPECT_EQ(EntrySelection().GetCount(), 2) << "a refused selection leaves the old one";

    SelectEntries({});
    EXPECT_FALSE(EntrySelection().HasMask()) << "nothing marked, nothing selected";
    EXPECT_FALSE(Execute(std::make_unique<CCommandColorSelectionCancel>())) << "nothing to cancel";
}

