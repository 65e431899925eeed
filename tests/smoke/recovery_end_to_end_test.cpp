// The real editor loses nothing when it is killed: a line drawn with the
// mouse into an opened file, the editor killed with SIGKILL, and the next
// start offers the line back, shows it, names the file as unsaved and saves
// it where it came from.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <thread>

#include "app/new_document.h"
#include "formats/serializer_image_sbx.h"
#include "model/stipplebox_data.h"
#include "smoke/editor_process.h"
#include "support/scratch_directory.h"

namespace fs = std::filesystem;

namespace {

// The opened 64 × 64 picture is fitted to the canvas at this zoom.
constexpr int kZoom = 8;

std::vector<fs::path> Snapshots(const fs::path& folder)
{
    std::vector<fs::path> found;
    std::error_code error;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder, error)) {
        if (entry.path().extension() == ".sbx") {
            found.push_back(entry.path());
        }
    }
    return found;
}

}  // namespace

TEST(RecoveryEndToEnd, AKilledEditorsDrawingIsOfferedRestoredAndSavedBack)
{
    ASSERT_FALSE(fs::exists(fs::path(STIPPLEBOX_EDITOR).parent_path() / "IniFiles"))
        << "an IniFiles folder beside the editor makes it a portable copy; remove it to run this test";
    CScratchDirectory home;
    UseScratchHome(home);
    const fs::path recovery = home / "config" / "stipplebox" / "IniFiles" / "Recovery";
    const fs::path file = home / "walk.sbx";
    ASSERT_TRUE(CSerializerImageSbx().Write(file, CreateStartupDocument().get()));

    std::optional<CPoint> corner;
    {
        CEditorProcess editor({file.string()});
        ASSERT_TRUE(editor.WaitForFirstPaint());
        corner = WaitForGriddedWhitePicture(64, kZoom);
        ASSERT_TRUE(corner) << "the opened picture is not on the screen";
        // The freehand tool by its key (B), then a line across the picture.
        const CPoint from = PixelOnScreen(*corner, {10, 20}, kZoom);
        ASSERT_EQ(Shell("xdotool mousemove --sync " + std::to_string(from.x) + " " + std::to_string(from.y) + " key b"), 0);
        ASSERT_EQ(Shell("xdotool mousemove --sync " + std::to_string(from.x) + " " + std::to_string(from.y) +
                      " mousedown 1 mousemove --sync " + std::to_string(from.x + 40 * kZoom) + " " + std::to_string(from.y) +
                      " mouseup 1"),
                  0);
        EXPECT_TRUE(HasWindowTitled("^walk.sbx \\* - Stipple Box 2$"));
        for (int attempt = 0; attempt < 100 && Snapshots(recovery).empty(); ++attempt) {
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        }
        ASSERT_EQ(Snapshots(recovery).size(), 1u) << "the change is kept at once";
        editor.Kill();
    }
    EXPECT_EQ(Snapshots(recovery).size(), 1u) << "a killed editor leaves its snapshot";

    CEditorProcess editor;
    ASSERT_TRUE(editor.WaitForFirstPaint());
    // The offer is a message box titled with the program's name alone; Return
    // takes its default answer, "はい" (restore).
    ASSERT_TRUE(HasWindowTitled("^Stipple Box 2$"));
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    ASSERT_EQ(Shell("xdotool windowfocus $(xdotool search --onlyvisible --name '^Stipple Box 2$' | head -1) && "
                    "xdotool key Return"),
              0);
    ASSERT_TRUE(HasWindowTitled("^walk.sbx \\* - Stipple Box 2$")) << "restored, unsaved, with its path";
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    const std::string screen = CaptureScreen();
    EXPECT_EQ(ScreenColor(screen, PixelOnScreen(*corner, {30, 20}, kZoom)), 0x000000u) << "the line is back";
    EXPECT_EQ(ScreenColor(screen, PixelOnScreen(*corner, {30, 40}, kZoom)), 0xFFFFFFu);

    // Saved with Ctrl+S over the canvas, then ファイル > 終了 without a question.
    ASSERT_EQ(Shell("xdotool mousemove --sync " + std::to_string(corner->x) + " " + std::to_string(corner->y) +
                    " key ctrl+s"),
              0);
    ASSERT_TRUE(HasWindowTitled("^walk.sbx - Stipple Box 2$"));
    ASSERT_EQ(Shell("xdotool mousemove --sync 12 10 click 1 sleep 0.5 key Up Return"), 0);
    EXPECT_EQ(editor.WaitForExit(std::chrono::seconds(60)), 0);
    CStippleboxData saved;
    ASSERT_TRUE(CSerializerImageSbx().Read(file, &saved, false));
    EXPECT_EQ(saved.GetCurrentLayer()->GetPixel(30, 20), saved.GetDrawingColor());
    EXPECT_EQ(saved.GetCurrentLayer()->GetPixel(30, 40), saved.GetBackgroundColor());
    EXPECT_TRUE(Snapshots(recovery).empty()) << "saved and ended cleanly: nothing left to recover";
}
