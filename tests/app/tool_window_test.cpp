#include <gtest/gtest.h>

#include <fstream>

#include "app/ini_profile.h"
#include "app/tool_window_place.h"
#include "app/tool_window_slot.h"
#include "bars/command_ids.h"
#include "platform/recording_cmd_ui.h"
#include "support/main_dialog_fixture.h"
#include "support/test_tool_window.h"

namespace {

TEST(ToolWindowPlace, ASavedPlaceIsKeptOnlyWhereTheWindowCanBeGrabbed)
{
    const CRect left{0, 0, 1280, 800};
    const CRect right{1280, 0, 2560, 1024};
    const CRect fallback{900, 100, 1200, 500};
    struct SCase {
        CRect saved;
        bool kept;
        const char* what;
    };
    const SCase cases[] = {
        {{100, 100, 400, 500}, true, "wholly on the first screen"},
        {{1200, 50, 1500, 450}, true, "across both screens"},
        {{2500, 900, 2800, 1200}, true, "a corner on the second screen"},
        {{2540, 900, 2800, 1200}, false, "less than a corner on the second screen"},
        {{100, -40, 400, 360}, false, "its top above every screen"},
        {{100, 790, 400, 1190}, false, "only a strip at the bottom"},
        {{-3000, 100, -2700, 500}, false, "left of every screen"},
        {{10, 10, 20, 20}, true, "a tiny window on a screen"},
        {{}, false, "nothing saved"},
        {{400, 300, 100, 100}, false, "turned inside out"},
        {{-2147483647, 0, 2147483647, 800}, false, "damaged, past any screen"},
    };
    for (const SCase& test : cases) {
        EXPECT_EQ(PlaceToolWindow(test.saved, fallback, {left, right}), test.kept ? test.saved : fallback)
            << test.what;
    }
}

class ToolWindow : public CMainDialogTest {
protected:
    void Open()
    {
        slot.Open(std::make_unique<CTestToolWnd>(dialog), host, [this] {
            ++closes;
            slot.Close();
        });
    }
    CTestToolWnd& Window() { return *slot.Get<CTestToolWnd>(); }
    CHeadlessToolWindow& Frame() { return static_cast<CHeadlessToolWindow&>(*Window().GetHost()); }

    CToolWindowSlot slot;
    int closes = 0;
};

TEST_F(ToolWindow, RoutesItsOwnCommandsFirstAndTheRestToTheMainDialog)
{
    Open();
    EXPECT_EQ(Frame().GetTitle(), "テスト");
    EXPECT_EQ(Frame().ChildRect(Window().child), (CRect{4, 4, 196, 96}));
    EXPECT_EQ(Window().GetLabels()[0].text, "200");

    EXPECT_TRUE(Window().OnCommand(CTestToolWnd::kOwnCommand));
    EXPECT_EQ(Window().ownRuns, 1);
    EXPECT_TRUE(Window().OnCommand(kCmdZoom4)) << "the main dialog's";
    EXPECT_EQ(dialog.GetImageEditWnd().GetZoom(), 4);
    CRecordingCmdUI zoom(kCmdZoom4);
    Window().OnUpdateCommand(zoom);
    EXPECT_EQ(zoom.GetChecked(), true);
    CRecordingCmdUI undo(kCmdUndo);
    Window().OnUpdateCommand(undo);
    EXPECT_EQ(undo.GetEnabled(), false);

    CRecordingCmdUI pin(kCmdWindowPin);
    Window().OnUpdateCommand(pin);
    EXPECT_EQ(pin.GetChecked(), false);
    EXPECT_TRUE(Frame().ClickButton(kCmdWindowPin, {}));
    EXPECT_TRUE(Window().IsPinned());

    ASSERT_TRUE(Frame().ClickButton(kCmdMenuButton, {500, 40, 560, 64}));
    ASSERT_EQ(Frame().GetPopups().size(), 1u);
    EXPECT_EQ(Frame().GetPopups()[0].point, (CPoint{500, 64})) << "under the button";
}

TEST_F(ToolWindow, ClosesAfterTheEventAndReopensWhereItWas)
{
    Open();
    Frame().MoveTo({300, 200, 500, 320});
    Window().OnCommand(kCmdWindowClose);
    EXPECT_TRUE(Frame().IsClosePosted());
    EXPECT_TRUE(slot.IsOpen()) << "not while the command runs";
    Frame().DeliverPostedClose();
    EXPECT_FALSE(slot.IsOpen());
    EXPECT_EQ(closes, 1);

    Open();
    EXPECT_EQ(Frame().GetWindowRect(), (CRect{300, 200, 500, 320}));
    Frame().MoveTo({310, 210, 510, 330});
    const std::filesystem::path file = settings / "Wnd";
    {
        CIniProfile profile(file, false, true);
        EXPECT_TRUE(slot.ExchangeState(profile, true));
    }
    slot.Close();
    {
        CIniProfile profile(file, true, false);
        CToolWindowSlot restored;
        EXPECT_TRUE(restored.ExchangeState(profile, false));
        EXPECT_EQ(restored.GetPlace(), (CRect{310, 210, 510, 330}));
    }
    std::ofstream(file) << "Rect=12,x\n\x01\x02garbage\nVisible=yes\n";
    CIniProfile damaged(file, true, false);
    CToolWindowSlot restored;
    EXPECT_FALSE(restored.ExchangeState(damaged, false));
    EXPECT_TRUE(restored.GetPlace().IsRectEmpty()) << "the frame then chooses its default place";
}

}  // namespace
