#include <gtest/gtest.h>

#include "app/grid_profile.h"
#include "app/stipplebox_app.h"
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
