#include <gtest/gtest.h>

#include "commands/command_palette.h"
#include "commands/command_palette_import.h"
#include "model/stipplebox_data.h"
#include "support/editor_fixture.h"
#include "support/test_documents.h"

// Undoing these to the stored bytes is left to the undo property test; these
// check where the colours go, what stays and what is refused.
namespace {

class PaletteImport : public CEditorTest {
protected:
    PaletteImport() { dialog.InstallDocument(MakeRichDocument(8, 6, 2, 2, 18), {}); }

    CStippleboxPalette& Palette() { return *Document().GetCurrentPalette(); }
    std::vector<SPaletteColor> Colors() { return {Palette().GetColorData(), Palette().GetColorData() + 256}; }

    // Three colours named "Dusk", the second transparent.
    static SPaletteFile Dusk() { return {{{28, 12, 20}, {52, 36, 68}, {109, 52, 48}}, "Dusk", 1}; }
};

}  // namespace

TEST_F(PaletteImport, AsANewPaletteTheFilesColoursGoFirstAndTheRestAreCopied)
{
    const std::vector<SPaletteColor> before = Colors();
    Document().SetBackgroundColor(200);
    ASSERT_TRUE(Execute(std::make_unique<CCommandPaletteImportNew>(Dusk())));
    EXPECT_EQ(Document().GetPalettes()->GetSize(), 3);
    EXPECT_EQ(Document().GetPalettes()->GetCurrentIndex(), 2);
    EXPECT_EQ(Palette().GetPaletteName(), u"Dusk");
    std::vector<SPaletteColor> expected = before;
    std::copy_n(Dusk().colors.begin(), 3, expected.begin());
    EXPECT_EQ(Colors(), expected);
    EXPECT_EQ(Palette().GetColorSpaceID(0), 0) << "set in RGB";
    EXPECT_EQ(Palette().GetColorSpaceID(3), (*Document().GetPalettes())[1]->GetColorSpaceID(3));
    EXPECT_EQ(Document().GetBackgroundColor(), 1) << "the transparent entry";
    EXPECT_EQ(LastBoxText(), "");
}

TEST_F(PaletteImport, IntoTheCurrentPaletteFromAnEntryOnTheOthersStay)
{
    const std::vector<SPaletteColor> before = Colors();
    ASSERT_TRUE(Execute(std::make_unique<CCommandPaletteImportInto>(Dusk(), 253)));
    std::vector<SPaletteColor> expected = before;
    std::copy_n(Dusk().colors.begin(), 3, expected.begin() + 253);
    EXPECT_EQ(Colors(), expected);
    EXPECT_EQ(Document().GetPalettes()->GetSize(), 2);
    EXPECT_EQ(Document().GetBackgroundColor(), 254);
}

TEST_F(PaletteImport, WhatDoesNotFitIsRefusedWithAMessage)
{
    const std::vector<SPaletteColor> before = Colors();
    SPaletteFile large{std::vector<SPaletteColor>(257), "large", {}};
    EXPECT_FALSE(Execute(std::make_unique<CCommandPaletteImportNew>(large)));
    EXPECT_EQ(LastBoxText(), "256色を超えるパレットは読み込めません : 257色");
    EXPECT_FALSE(Execute(std::make_unique<CCommandPaletteImportInto>(large, 0)));
    EXPECT_EQ(LastBoxText(), "256色を超えるパレットは読み込めません : 257色");
    EXPECT_FALSE(Execute(std::make_unique<CCommandPaletteImportInto>(Dusk(), 254)));
    EXPECT_EQ(LastBoxText(), "254番の色から3色は入りきりません。");
    for (int count = 3; count <= 10; ++count) {
        ASSERT_TRUE(Execute(std::make_unique<CCommandPaletteAdd>()));
    }
    EXPECT_FALSE(Execute(std::make_unique<CCommandPaletteImportNew>(Dusk())));
    EXPECT_EQ(LastBoxText(), "これ以上パレットは追加できません。");
    EXPECT_EQ(Colors(), before);
}
