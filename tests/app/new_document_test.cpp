#include <gtest/gtest.h>

#include "app/new_document.h"
#include "app/palette_tables.h"
#include "model/stipplebox_data.h"

TEST(NewDocument, TheStartupDocumentIsWhite64By64OnTheDefaultPalette)
{
    auto document = CreateStartupDocument();
    EXPECT_EQ(document->GetWidth(), 64);
    EXPECT_EQ(document->GetHeight(), 64);
    EXPECT_EQ(document->GetDrawingColor(), 0);
    EXPECT_EQ(document->GetBackgroundColor(), 159);
    const CStippleboxLayer& layer = *document->GetCurrentLayer();
    for (int y = 0; y < 64; ++y) {
        for (int x = 0; x < 64; ++x) {
            ASSERT_EQ(layer.GetPixel(x, y), 159) << x << "," << y;
        }
    }
    const CStippleboxPalette& palette = *document->GetCurrentPalette();
    EXPECT_EQ(palette.GetColor(1), (SPaletteColor{0x00, 0x20, 0x84}));
    EXPECT_EQ(palette.GetColor(159), (SPaletteColor{0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(palette.GetColor(160), (SPaletteColor{0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(palette.GetColor(207), (SPaletteColor{0x21, 0x38, 0x29}));
    EXPECT_EQ(palette.GetColor(208), (SPaletteColor{0, 0, 0}));
    EXPECT_EQ(palette.GetColor(255), (SPaletteColor{0xFF, 0xFF, 0xFF}));
}

TEST(NewDocument, PaletteAndBackgroundChoicesPickTheirEntries)
{
    auto grey = CreateNewDocument(320, 240, ENewDocumentPalette::Greyscale, ENewDocumentBackground::White);
    EXPECT_EQ(grey->GetBackgroundColor(), 255);
    EXPECT_EQ(grey->GetCurrentPalette()->GetColor(128), (SPaletteColor{128, 128, 128}));
    EXPECT_EQ(grey->GetCurrentLayer()->GetPixel(319, 239), 255);

    auto second = CreateNewDocument(8, 8, ENewDocumentPalette::Second, ENewDocumentBackground::White);
    EXPECT_EQ(second->GetBackgroundColor(), 239);
    EXPECT_EQ(second->GetCurrentPalette()->GetColor(246), (SPaletteColor{0xF7, 0xFF, 0xFF}));
    EXPECT_EQ(CreateNewDocument(8, 8, ENewDocumentPalette::Second, ENewDocumentBackground::Black)
                  ->GetBackgroundColor(),
              0);

    auto black = CreateNewDocument(8, 8, ENewDocumentPalette::AllBlack, ENewDocumentBackground::EntryZero);
    EXPECT_EQ(black->GetBackgroundColor(), 0);
    EXPECT_EQ(black->GetCurrentPalette()->GetColor(200), (SPaletteColor{0, 0, 0}));
    EXPECT_EQ(black->GetDrawingColor(), 0);
}
