#include <gtest/gtest.h>

#include <vector>

#include "palette/color_value_bar.h"
#include "platform/headless_window_host.h"

namespace {

// Records what the bar tells its window.
class CRecordingListener final : public CColorValueBarEvent {
public:
    void OnBegin(CColorValueBar& bar) override { events.push_back("begin " + std::to_string(bar.GetValue())); }
    void OnChange(CColorValueBar& bar) override { events.push_back(std::to_string(bar.GetValue())); }
    void OnEnd(CColorValueBar& bar) override { events.push_back("end " + std::to_string(bar.GetValue())); }
    std::vector<std::string> events;
};

// A bar 300 × 32 at the desktop's display scale 2: buttons 32 wide, the
// strip from 42 to 258 (216 columns), the marker's rows from 22 to 31.
class ValueBar : public ::testing::Test {
protected:
    ValueBar() : host(bar)
    {
        bar.SetListener(&listener);
        bar.OnSize(300, 32);
        bar.SetMax(255);
        bar.SetValue(100, false);
    }
    void Press(CPoint point) { bar.OnLButtonDown(MK_LBUTTON, point); }
    void Release(CPoint point) { bar.OnLButtonUp(0, point); }
    DisplayPixel At(int x, int y) const { return bar.GetBackBuffer()->GetDisplayRow(y)[x]; }

    CColorValueBar bar;
    CHeadlessWindowHost host;
    CRecordingListener listener;
};

TEST_F(ValueBar, LaysOutByTheDisplayScaleAndMapsValuesToColumns)
{
    ASSERT_EQ(GetDisplayScale(), 2);
    EXPECT_EQ(bar.GetLeftButtonRect(), (CRect{0, 1, 32, 31}));
    EXPECT_EQ(bar.GetRightButtonRect(), (CRect{268, 1, 300, 31}));
    EXPECT_EQ(bar.GetStripRect(), (CRect{42, 2, 258, 21}));
    // Between the buttons, every row but the last is the strip's.
    for (const auto& [point, mode] : {std::pair{CPoint{32, 0}, CColorValueBar::kDragStrip},
                                      {CPoint{267, 30}, CColorValueBar::kDragStrip},
                                      {CPoint{5, 0}, CColorValueBar::kDragNone},
                                      {CPoint{150, 31}, CColorValueBar::kDragNone}}) {
        EXPECT_EQ(bar.HitTest(point), mode) << point.x << "," << point.y;
    }
    EXPECT_EQ(bar.ValueToX(0), 42);
    EXPECT_EQ(bar.ValueToX(255), 257);
    EXPECT_EQ(bar.ValueToX(100), 42 + 100 * 215 / 255);
    EXPECT_EQ(bar.XToValue(20), 0) << "clamped";
    EXPECT_EQ(bar.XToValue(150), 108 * 255 / 215);
    EXPECT_EQ(bar.XToValue(290), 255) << "clamped";
    // Both ways truncate: on a strip wider than the range, the marker's
    // column reads back as its value or the one below.
    bar.OnSize(600, 32);
    for (int value = 0; value <= 255; ++value) {
        const int back = bar.XToValue(bar.ValueToX(value));
        ASSERT_TRUE(back == value || back == value - 1) << value;
    }
}

TEST_F(ValueBar, PaintsTheGradientAcrossTheStripAndTheMarkerUnderTheValue)
{
    std::array<SPaletteColor, CColorValueBar::kGradientSize> ramp;
    for (int j = 0; j < CColorValueBar::kGradientSize; ++j) {
        ramp[size_t(j)] = {0, 0, uint8_t(j)};
    }
    bar.SetGradient(ramp);
    EXPECT_EQ(At(42, 10), MakeDisplayPixel(0, 0, 0));
    EXPECT_EQ(At(257, 10), MakeDisplayPixel(255, 0, 0));
    EXPECT_EQ(At(150, 10), MakeDisplayPixel(uint8_t(255 * 108 / 215), 0, 0));
    EXPECT_EQ(At(41, 10), MakeDisplayPixel(0x80, 0x80, 0x80)) << "the frame";

    const int x = bar.ValueToX(100);
    EXPECT_EQ(At(x, 22), kDisplayBlack) << "the apex";
    EXPECT_EQ(At(x - 9, 31), kDisplayBlack) << "the base";
    EXPECT_NE(At(x - 10, 31), kDisplayBlack);
    bar.SetValue(200, false);
    EXPECT_NE(At(x, 22), kDisplayBlack) << "the old marker is gone";
    EXPECT_EQ(At(bar.ValueToX(200), 22), kDisplayBlack);
    EXPECT_TRUE(listener.events.empty()) << "set without notifying";
}

TEST_F(ValueBar, AHeldButtonStepsAtOnceAfterHalfASecondThenEveryTenthAndStopsAtTheEnd)
{
    bar.SetValue(252, false);
    Press({290, 10});
    EXPECT_EQ(listener.events, (std::vector<std::string>{"begin 252", "253"}));
    EXPECT_EQ(host.GetTimerInterval(CColorValueBar::kRepeatTimerId), 500);
    ASSERT_TRUE(host.FireTimer(CColorValueBar::kRepeatTimerId));
    EXPECT_EQ(bar.GetValue(), 254);
    EXPECT_EQ(host.GetTimerInterval(CColorValueBar::kRepeatTimerId), 100);
    ASSERT_TRUE(host.FireTimer(CColorValueBar::kRepeatTimerId));
    EXPECT_EQ(bar.GetValue(), 255);
    EXPECT_FALSE(host.IsTimerRunning(CColorValueBar::kRepeatTimerId)) << "nothing left to repeat";
    Release({290, 10});
    EXPECT_EQ(listener.events, (std::vector<std::string>{"begin 252", "253", "254", "255", "end 255"}));
    EXPECT_FALSE(host.HasCapture());

    listener.events.clear();
    bar.SetValue(1, false);
    Press({5, 10});
    EXPECT_FALSE(host.IsTimerRunning(CColorValueBar::kRepeatTimerId)) << "at 0 after the first step";
    Release({5, 10});
    EXPECT_EQ(listener.events, (std::vector<std::string>{"begin 1", "0", "end 0"}));
}

TEST_F(ValueBar, DraggingTheStripFollowsThePenAndLosingThePointerEndsTheInteraction)
{
    Press({150, 10});
    bar.OnMouseMove(MK_LBUTTON, {150, 25});
    bar.OnMouseMove(MK_LBUTTON, {400, 25});
    bar.OnMouseMove(MK_LBUTTON, {-30, 25});
    const int first = 108 * 255 / 215;
    EXPECT_EQ(listener.events,
              (std::vector<std::string>{"begin 100", std::to_string(first), "255", "0"}));
    host.TakeCaptureAway(nullptr);
    EXPECT_EQ(listener.events.back(), "end 0");
    EXPECT_EQ(bar.GetDragMode(), CColorValueBar::kDragNone);
    bar.OnMouseMove(MK_LBUTTON, {150, 25});
    Release({150, 25});
    EXPECT_EQ(listener.events.size(), 5u) << "nothing after the end";

    listener.events.clear();
    Press({290, 10});
    host.TakeCaptureAway(nullptr);
    EXPECT_FALSE(host.IsTimerRunning(CColorValueBar::kRepeatTimerId)) << "a held button stops repeating";
    EXPECT_EQ(listener.events.back(), "end 1");
}

TEST_F(ValueBar, WithMaximumZeroTheValueStaysZero)
{
    bar.SetMax(0);
    bar.SetValue(5, false);
    EXPECT_EQ(bar.GetValue(), 0);
    Press({250, 10});
    bar.OnMouseMove(MK_LBUTTON, {60, 10});
    Release({60, 10});
    Press({290, 10});
    Release({290, 10});
    EXPECT_EQ(bar.GetValue(), 0);
    EXPECT_EQ(bar.ValueToX(0), 42);
    CColorValueBar narrow;
    narrow.OnSize(84, 32);
    narrow.SetMax(255);
    EXPECT_EQ(narrow.XToValue(60), 0) << "a strip of one column";
}

}  // namespace
