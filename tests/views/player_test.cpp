#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "bars/command_ids.h"
#include "model/stipplebox_data.h"
#include "platform/headless_animation_clock.h"
#include "platform/recording_cmd_ui.h"
#include "support/editor_fixture.h"
#include "views/player_wnd.h"

namespace {

using Scroll = CFrameworkWnd::EScroll;

// A player over layers whose delays are given in milliseconds; layer i holds
// the index i everywhere, so the picture tells which layer is shown.
class Player : public CEditorTest {
protected:
    Player() : m_saved(CPlayerWnd::Settings()) { CPlayerWnd::Settings() = {}; }
    ~Player() override
    {
        // The player's timer goes before the clock it runs on.
        if (dialog.GetToolWindows().GetPlayerWnd() != nullptr) {
            Command(kCmdPlayerWindow);
        }
        CPlayerWnd::Settings() = m_saved;
    }

    CPlayerWnd& Open(const std::vector<int>& delays)
    {
        std::vector<PixelRows> layers;
        for (size_t i = 0; i < delays.size(); ++i) {
            layers.push_back({std::string(4, char('1' + i)), std::string(4, char('1' + i))});
        }
        CEditorTest::Open(MakeRowsDocument(layers));
        for (size_t i = 0; i < delays.size(); ++i) {
            Layer(int(i)).GetDelay().SetDelay(delays[i], CDelay::kMillisecondsUnit, false);
        }
        Command(kCmdPlayerWindow);
        CPlayerWnd& player = *dialog.GetToolWindows().GetPlayerWnd();
        // A 40 × 20 picture above the speed bar.
        static_cast<CHeadlessToolWindow&>(*player.GetHost()).Resize({40, 44});
        return player;
    }
    // Plays until the player stops (or a limit), noting each frame shown with
    // the time it came.
    std::vector<std::pair<int64_t, int>> Play(CPlayerWnd& player, int limit = 12)
    {
        player.OnCommand(kCmdPlayerPlay);
        std::vector<std::pair<int64_t, int>> shown{{clock.Now(), player.GetImageWnd().GetFrame()}};
        while (player.IsPlaying() && int(shown.size()) < limit && clock.RunNextTick()) {
            shown.emplace_back(clock.Now(), player.GetImageWnd().GetFrame());
        }
        return shown;
    }
    static void Speed(CPlayerWnd& player, Scroll code, int position)
    {
        player.OnScroll(CPlayerWnd::kSpeedBarId, code, position);
    }

    CHeadlessAnimationClock clock;

private:
    CPlayerWnd::SSettings m_saved;
};

}  // namespace

TEST(PlayerFrames, BothOrdersWithAndWithoutLoop)
{
    struct SCase {
        int count;
        EPlayerOrder order;
        bool loop;
        std::vector<int> frames;  // from frame 0; ends where playback stops
    };
    for (const SCase& c : {
             SCase{3, kPlayFirstToLastToFirst, true, {0, 1, 2, 1, 0, 1, 2, 1, 0}},
             SCase{3, kPlayFirstToLastToFirst, false, {0, 1, 2, 1, 0}},
             SCase{4, kPlayFirstToLastToFirst, false, {0, 1, 2, 3, 2, 1, 0}},
             SCase{2, kPlayFirstToLastToFirst, true, {0, 1, 0, 1, 0}},
             SCase{2, kPlayFirstToLast, false, {0, 1}},
             SCase{3, kPlayFirstToLast, true, {0, 1, 2, 0, 1}},
         }) {
        std::vector<int> frames{0};
        SPlayerStep step;
        while (!step.stop && frames.size() < c.frames.size()) {
            step = NextPlayerFrame(step.frame, step.backward, c.count, c.order, c.loop);
            frames.push_back(step.frame);
        }
        EXPECT_EQ(frames, c.frames) << c.count << " frames, order " << int(c.order) << ", loop " << c.loop;
        EXPECT_EQ(step.stop, !c.loop) << c.count << " frames, order " << int(c.order);
    }
}

TEST_F(Player, ShowsEachFrameForItsOwnDelayScaledByTheSpeed)
{
    CPlayerWnd& player = Open({30, 20, 10});  // frames 0, 1, 2 are layers 2, 1, 0
    player.OnCommand(kCmdPlayerLoop);
    std::vector<std::pair<int64_t, int>> shown = Play(player);
    EXPECT_EQ(shown, (std::vector<std::pair<int64_t, int>>{{0, 0}, {10, 1}, {30, 2}}));
    EXPECT_FALSE(player.IsPlaying());
    EXPECT_EQ(clock.CountPendingTicks(), 0);

    Speed(player, Scroll::kThumbTrack, 50);
    const int64_t start = clock.Now();
    shown = Play(player);
    EXPECT_EQ(shown, (std::vector<std::pair<int64_t, int>>{{start, 0}, {start + 20, 1}, {start + 60, 2}}));

    Speed(player, Scroll::kLast, 0);
    Layer(2).GetDelay().SetDelay(0, 0, false);
    shown = Play(player);
    EXPECT_EQ(shown[1].first - shown[0].first, 0) << "a delay of 0";
    EXPECT_EQ(shown[2].first - shown[1].first, 10) << "20 ms at 200 %";
}

// The orders themselves are PlayerFrames'; here, that the menu's choice plays.
TEST_F(Player, PlaysThereAndBackInTheChosenOrderUntilPlayIsChosenAgain)
{
    CPlayerWnd& player = Open({10, 10, 10});
    player.OnCommand(kCmdPlayerOrderThereAndBack);
    EXPECT_EQ(Play(player, 6),
              (std::vector<std::pair<int64_t, int>>{{0, 0}, {10, 1}, {20, 2}, {30, 1}, {40, 0}, {50, 1}}));
    EXPECT_TRUE(player.IsPlaying());
    player.OnCommand(kCmdPlayerPlay);
    EXPECT_FALSE(player.IsPlaying());
    EXPECT_EQ(clock.CountPendingTicks(), 0);
    clock.Advance(100);
    EXPECT_EQ(player.GetImageWnd().GetFrame(), 1) << "no frame comes afterwards";
}

TEST_F(Player, ASpeedChangeWhilePlayingTimesTheShownFrameAnewFromNow)
{
    CPlayerWnd& player = Open({100, 100});
    player.OnCommand(kCmdPlayerPlay);
    clock.Advance(40);
    Speed(player, Scroll::kThumbPosition, 200);
    EXPECT_EQ(clock.CountPendingTicks(), 1);
    clock.Advance(49);
    EXPECT_EQ(player.GetImageWnd().GetFrame(), 0);
    clock.Advance(1);
    EXPECT_EQ(player.GetImageWnd().GetFrame(), 1);
}

TEST_F(Player, TheSpeedSliderStepsAndClampsAndTheButtonResetsIt)
{
    CPlayerWnd& player = Open({10, 10});
    for (const auto& [code, position, speed] : {std::tuple{Scroll::kLineBack, 0, 99},
                                                {Scroll::kPageBack, 0, 89},
                                                {Scroll::kPageForward, 0, 99},
                                                {Scroll::kLineForward, 0, 100},
                                                {Scroll::kThumbTrack, 37, 37},
                                                {Scroll::kFirst, 0, 1},
                                                {Scroll::kLineBack, 0, 1},
                                                {Scroll::kLast, 0, 200},
                                                {Scroll::kPageForward, 0, 200},
                                                {Scroll::kThumbPosition, 250, 200}}) {
        Speed(player, code, position);
        EXPECT_EQ(CPlayerWnd::Settings().speed, speed);
        EXPECT_EQ(player.GetScrollBars().front().position, speed);
        EXPECT_EQ(player.GetLabels().front().text, std::to_string(speed) + "%");
    }
    Speed(player, Scroll::kThumbTrack, 37);
    CRecordingCmdUI hundred(kCmdPlayerSpeed100);
    player.OnUpdateCommand(hundred);
    EXPECT_FALSE(*hundred.GetChecked());
    player.OnCommand(kCmdPlayerSpeed100);
    EXPECT_EQ(player.GetLabels().front().text, "100%");
    player.OnUpdateCommand(hundred);
    EXPECT_TRUE(*hundred.GetChecked());
}

TEST_F(Player, WithOneLayerNeitherPlayNorTheFrameToolDoesAnything)
{
    CPlayerWnd& player = Open({10});
    player.OnCommand(kCmdPlayerPlay);
    EXPECT_FALSE(player.IsPlaying());
    player.GetImageWnd().OnLButtonDown(MK_LBUTTON, {5, 5});
    EXPECT_EQ(player.GetImageWnd().GetFrame(), 0);
    EXPECT_EQ(clock.CountPendingTicks(), 0);
}

TEST_F(Player, TheFrameToolAndRewindStepThroughTheFramesAndThePictureShowsTheLayer)
{
    CPlayerWnd& player = Open({10, 10, 10});
    player.OnCommand(kCmdZoom4);
    CPlayerImageWnd& image = player.GetImageWnd();
    const auto pixel = [&image](int x, int y) { return image.GetBackBuffer()->GetDisplayRow(y)[x]; };
    // A 4 × 2 picture at zoom 4 in 40 × 20, centred: it covers 12–28 across, 4–12 down.
    const auto grey = [](int level) { return MakeDisplayPixel(uint8_t(level), uint8_t(level), uint8_t(level)); };
    EXPECT_EQ(pixel(12, 4), grey(3)) << "frame 0 is the backmost layer";
    EXPECT_EQ(pixel(11, 4), kDisplayBlack);
    EXPECT_EQ(pixel(27, 11), grey(3));
    for (const int frame : {1, 2, 0, 1}) {
        image.OnLButtonDown(MK_LBUTTON, {20, 8});
        image.OnLButtonUp(0, {20, 8});
        EXPECT_EQ(image.GetFrame(), frame);
    }
    EXPECT_EQ(pixel(20, 8), grey(2));
    player.OnCommand(kCmdPlayerRewind);
    EXPECT_EQ(pixel(20, 8), grey(3));
}

TEST_F(Player, ATimerThatWillNotStartLeavesThePlayerStoppedWithAMessage)
{
    CPlayerWnd& player = Open({10, 10});
    clock.SetStartsFail(true);
    player.OnCommand(kCmdPlayerPlay);
    EXPECT_FALSE(player.IsPlaying());
    EXPECT_EQ(LastBoxText(), "マルチメディアタイマーの起動に失敗しました。");
}
