#include <gtest/gtest.h>

#include "app/new_document.h"
#include "bars/command_ids.h"
#include "model/stipplebox_data.h"
#include "support/editor_fixture.h"
#include "views/layer_wnd.h"
#include "views/player_wnd.h"
#include "views/position_wnd.h"

namespace {

// The tool windows' settings live for the whole run: each test starts from
// the defaults and leaves them so.
class ToolWindows : public CEditorTest {
protected:
    ToolWindows() { ResetSettings(); }
    ~ToolWindows() override { ResetSettings(); }

    static void ResetSettings()
    {
        CPlayerWnd::Settings() = {};
        CPositionWnd::Settings() = {};
    }
    static CHeadlessToolWindow& Frame(CFrameworkWnd& window)
    {
        return static_cast<CHeadlessToolWindow&>(*window.GetHost());
    }
    CToolWindows& Windows() { return dialog.GetToolWindows(); }
    bool Checked(unsigned id) { return Update(id).GetChecked().value_or(false); }
};

}  // namespace

TEST_F(ToolWindows, TheWindowMenuOpensAndClosesEachWindowAndMarksTheOpenOnes)
{
    for (const unsigned id : {kCmdLayerWindow, kCmdPlayerWindow, kCmdPositionWindow}) {
        EXPECT_FALSE(Checked(id)) << id;
        Command(id);
        EXPECT_TRUE(Checked(id)) << id;
    }

    // A new document closes the layer window and keeps the others.
    Open(MakeRowsDocument({{"12"}, {"34"}}));
    EXPECT_EQ(Windows().GetLayerWnd(), nullptr);
    EXPECT_TRUE(Checked(kCmdPlayerWindow));
    EXPECT_TRUE(Checked(kCmdPositionWindow));
    Command(kCmdPlayerWindow);
    EXPECT_EQ(Windows().GetPlayerWnd(), nullptr);
}

TEST_F(ToolWindows, ExitSavesTheirStatesAndTheNextStartOpensThemAgain)
{
    Command(kCmdPlayerWindow);
    Command(kCmdPositionWindow);
    Command(kCmdLayerWindow);
    Windows().GetPlayerWnd()->OnCommand(kCmdZoom4);
    Windows().GetPlayerWnd()->OnCommand(kCmdPlayerOrderThereAndBack);
    Windows().GetPlayerWnd()->OnCommand(kCmdPlayerLoop);
    Windows().GetPositionWnd()->OnCommand(kCmdZoom8);
    Windows().GetLayerWnd()->OnCommand(kCmdWindowPin);
    Frame(*Windows().GetPlayerWnd()).MoveTo({10, 20, 300, 200});
    Command(kCmdExit);
    ASSERT_EQ(host.ended, 1);

    ResetSettings();
    CStippleboxDlg next(settings / "IniFiles", dialogs);
    next.OnInitDialog(host);
    EXPECT_EQ(CPlayerWnd::Settings().order, kPlayFirstToLastToFirst);
    EXPECT_FALSE(CPlayerWnd::Settings().loop);
    EXPECT_EQ(CPositionWnd::Settings().zoom, 8);
    CToolWindows& windows = next.GetToolWindows();
    ASSERT_NE(windows.GetPlayerWnd(), nullptr);
    ASSERT_NE(windows.GetPositionWnd(), nullptr);
    ASSERT_NE(windows.GetLayerWnd(), nullptr);
    EXPECT_EQ(windows.GetPlayerWnd()->GetHost()->GetWindowRect(), (CRect{10, 20, 300, 200}));
    EXPECT_EQ(windows.GetPlayerWnd()->GetImageWnd().GetZoom(), 4);
    EXPECT_FALSE(windows.GetLayerWnd()->IsPinned());
}

TEST_F(ToolWindows, SettingsTheProgramDoesNotKnowReadAsTheDefaults)
{
    WriteFileBytes(settings / "IniFiles" / "PlayerWnd", "[General]\nZoom=7\nOrder=9\nRect=1,2,3\nLoop=x\nVisible=1\n");
    WriteFileBytes(settings / "IniFiles" / "PositionWnd", "\x01\x02garbage\n[General\nZoom=-3\n");
    Windows().ExchangeSettings(settings / "IniFiles", false);
    EXPECT_EQ(CPlayerWnd::Settings().zoom, 1);
    EXPECT_EQ(CPlayerWnd::Settings().order, kPlayFirstToLast);
    EXPECT_FALSE(CPlayerWnd::Settings().loop) << "a boolean reads as its integer";
    EXPECT_EQ(CPositionWnd::Settings().zoom, 1);
    EXPECT_NE(Windows().GetPlayerWnd(), nullptr);
    EXPECT_EQ(Windows().GetPositionWnd(), nullptr);
}

TEST_F(ToolWindows, TheLayerPropertyDialogShowsTheCurrentLayerAndAUnitChangeAloneStillMakesAStep)
{
    Open(MakeRowsDocument({{"12"}, {"34"}}));
    CurrentLayer().SetName(u"走る");
    CurrentLayer().GetDelay().SetDelay(300, 0, false);  // 1/20 s
    Document().SetDelayUnit(3);                          // 1/20 s
    dialogs.layerProperty = [](CLayerPropertyDlg& properties) {
        EXPECT_EQ(properties.GetName(), u"走る");
        EXPECT_EQ(properties.GetDelay(), 1);
        EXPECT_EQ(properties.GetUnit(), 3);
        properties.SetUnit(7);  // 1/100 s
        EXPECT_EQ(properties.GetDelay(), 5);
    };
    const int32_t remembered = CDelay::GetRememberedDelay();
    Command(kCmdLayerProperty);
    EXPECT_EQ(CurrentLayer().GetDelay().GetTicks(), 300);
    EXPECT_EQ(Document().GetDelayUnit(), 7);
    CDelay::SetRememberedDelay(remembered);
}

TEST_F(ToolWindows, TheDisplayModeChoosesTheLayersTheCanvasShowsForEveryDocument)
{
    // Layer 1 is current; layer 0 lies in front of it, layer 2 behind.
    const auto openThree = [this] {
        Open(MakeRowsDocument({{"100"}, {"020"}, {"003"}}));
        Document().GetLayers()->SetCurrentIndex(1);
        dialog.OnLayersChanged(true);
    };
    const auto shown = [this] {
        const uint8_t* pixels = dialog.GetImageEditWnd().GetLayerCache().GetPixels();
        return std::string{char('0' + pixels[0]), char('0' + pixels[1]), char('0' + pixels[2])};
    };
    openThree();
    EXPECT_EQ(shown(), "123");
    EXPECT_TRUE(Checked(kCmdLayerDisplayModeFirst));
    // Which layers each mode shows is LayerCacheTest's.
    Command(kCmdLayerDisplayModeFirst + 1);
    EXPECT_EQ(shown(), "020");
    EXPECT_TRUE(Checked(kCmdLayerDisplayModeFirst + 1));
    openThree();
    EXPECT_EQ(shown(), "020") << "kept for the next document";
    Command(kCmdOnionSkin);
    Command(kCmdLayerDisplayModeFirst);
    EXPECT_EQ(shown(), "020") << "the onion skin shows the current layer alone";
    Command(kCmdOnionSkin);
    EXPECT_EQ(shown(), "123");
}
