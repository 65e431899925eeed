#include <gtest/gtest.h>

#include "app/grid_profile.h"
#include "app/new_document.h"
#include "app/stipplebox_app.h"
#include "model/stipplebox_data.h"
#include "platform/settings_directory.h"
#include "support/scratch_directory.h"

TEST(StartupSettings, TheSettingsDirectoryIsMadeWithItsSubdirectories)
{
    CScratchDirectory directory;
    CStippleboxApp app;
    app.InitInstance({directory / "bin", std::nullopt, (directory / "home").string()});
    EXPECT_EQ(app.GetSettingsDirectory(), directory / "home" / ".config" / "stipplebox" / "IniFiles");
    EXPECT_TRUE(std::filesystem::is_directory(app.GetSettingsDirectory() / "Dialog"));
    EXPECT_TRUE(std::filesystem::is_directory(app.GetSettingsDirectory() / "CustomBar"));
    app.InitInstance({directory / "bin", std::nullopt, (directory / "home").string()});
    EXPECT_TRUE(std::filesystem::is_directory(app.GetSettingsDirectory() / "Dialog")) << "made again, no error";
}

TEST(StartupSettings, GridSettingsComeFromTheirFileAndKeepPositiveIntervals)
{
    CScratchDirectory directory;
    const SImageGrid defaults = LoadImageGrid(directory / "Grid.ini");
    EXPECT_EQ(defaults.pixelGridMinZoom, 8);
    EXPECT_EQ(defaults.intervalGridMinZoom, 8);
    EXPECT_EQ(defaults.interval, (CSize{16, 16}));

    WriteFileBytes(directory / "Grid.ini", "[Small]\nLimit=12\n[Medium]\nLimit=4\nInterval=8,0\n");
    const SImageGrid grid = LoadImageGrid(directory / "Grid.ini");
    EXPECT_EQ(grid.pixelGridMinZoom, 12);
    EXPECT_EQ(grid.intervalGridMinZoom, 4);
    EXPECT_EQ(grid.interval, (CSize{8, 1}));
    EXPECT_FALSE((SImageGrid{1, 1, {16, 16}}.DrawsPixelGrid(1))) << "a pixel grid would hide the picture at zoom 1";
}

TEST(NewDocument, TheStartupDocumentIsWhite64By64OnTheDefaultPalette)
{
    auto document = CreateStartupDocument();
    // White everywhere on the screen is EditorSmoke's; its indices, the status bar's.
    ASSERT_EQ(document->GetCanvasSize(), (CSize{64, 64}));
    const std::pair<int, SPaletteColor> entries[] = {{1, {0x00, 0x20, 0x84}},   {159, {0xFF, 0xFF, 0xFF}},
                                                     {160, {0xFF, 0xFF, 0xFF}}, {207, {0x21, 0x38, 0x29}},
                                                     {208, {0, 0, 0}},          {255, {0xFF, 0xFF, 0xFF}}};
    for (const auto& [index, color] : entries) {
        EXPECT_EQ(document->GetCurrentPalette()->GetColor(index), color) << index;
    }
}

TEST(NewDocument, PaletteAndBackgroundChoicesPickTheirEntries)
{
    using P = ENewDocumentPalette;
    using B = ENewDocumentBackground;
    const struct {
        P palette;
        B background;
        uint8_t backgroundIndex;
        int entry;
        SPaletteColor color;
    } cases[] = {{P::Greyscale, B::White, 255, 128, {128, 128, 128}},
                 {P::Second, B::White, 239, 246, {0xF7, 0xFF, 0xFF}},
                 {P::Second, B::Black, 0, 246, {0xF7, 0xFF, 0xFF}},
                 {P::AllBlack, B::EntryZero, 0, 200, {0, 0, 0}}};
    for (const auto& row : cases) {
        SCOPED_TRACE(testing::Message() << int(row.palette) << "/" << int(row.background));
        auto document = CreateNewDocument(320, 240, row.palette, row.background);
        EXPECT_EQ(document->GetBackgroundColor(), row.backgroundIndex);
        EXPECT_EQ(document->GetCurrentLayer()->GetPixel(319, 239), row.backgroundIndex);
        EXPECT_EQ(document->GetCurrentPalette()->GetColor(row.entry), row.color);
    }
    EXPECT_EQ(CreateNewDocument(8, 8, P::AllBlack, B::EntryZero)->GetDrawingColor(), 0);
}
