// Starts the real editor on the X display this test runs under (xvfb-run with
// a 1280 × 800 screen), waits for its first painted canvas, photographs the
// screen and looks for the start-up document: a white 64 × 64 picture
// fitted to the canvas at zoom 8, with the pixel grid. Then it ends the
// editor through its file menu, as a user would, and expects a clean exit.
#include <gtest/gtest.h>

#include "smoke/editor_process.h"
#include "support/scratch_directory.h"

TEST(EditorSmoke, TheStartupDocumentAppearsOnTheScreen)
{
    CScratchDirectory home;
    UseScratchHome(home);
    CEditorProcess editor;
    const std::string started = editor.ReadUntil("first canvas painted", std::chrono::seconds(120));
    ASSERT_NE(started.find("first canvas painted"), std::string::npos) << started;

    // The paint has been reported; the X server may take a moment to show it.
    ASSERT_TRUE(WaitForGriddedWhitePicture(64, 8)) << "no white 64 × 64 picture at zoom 8 on the screen";

    // The window lies at the top-left of the empty screen: open the first
    // menu and take its last item, "終了". Nothing changed, so no question.
    ASSERT_EQ(Shell("xdotool mousemove --sync 12 10 click 1 sleep 0.5 key Up Return"), 0);
    EXPECT_EQ(editor.WaitForExit(std::chrono::seconds(60)), 0) << editor.ReadUntil("\n\n", std::chrono::seconds(1));
}
