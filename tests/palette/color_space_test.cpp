#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "palette/color_space.h"

namespace {

SPaletteColor Rgb(int red, int green, int blue)
{
    return {uint8_t(blue), uint8_t(green), uint8_t(red)};
}

// The conversions are the integer formulas, truncating: these values are
// what those give, not what exact arithmetic would.
TEST(ColorSpace, ConvertsWithTheIntegerFormulas)
{
    const CColorSpaceHSV hsv;
    const CColorSpaceHLS hls;
    struct SCase {
        SPaletteColor color;
        CColorTriple hsv;
        CColorTriple hls;
    };
    const SCase cases[] = {
        {Rgb(255, 0, 0), {0, 255, 255}, {0, 127, 255}},
        {Rgb(0, 0, 255), {240, 255, 255}, {240, 127, 255}},
        {Rgb(0, 255, 0), {120, 255, 255}, {120, 127, 255}},
        {Rgb(90, 90, 90), {0, 0, 90}, {0, 90, 0}},
        {Rgb(255, 255, 255), {0, 0, 255}, {0, 255, 0}},
        {Rgb(200, 100, 50), {20, 191, 200}, {20, 125, 153}},
        // Red at most, blue above green: the HLS hue goes negative and
        // wraps; the HSV hue takes its two terms apart.
        {Rgb(250, 10, 40), {352, 244, 250}, {353, 130, 244}},
    };
    for (const SCase& test : cases) {
        EXPECT_EQ(hsv.FromRgb(test.color), test.hsv);
        EXPECT_EQ(hls.FromRgb(test.color), test.hls);
    }
    EXPECT_EQ(hls.ToRgb({0, 127, 255}), Rgb(254, 0, 0)) << "not the red it came from";
    EXPECT_EQ(hsv.ToRgb({359, 255, 255}), Rgb(255, 0, 5)) << "sector 5";
    EXPECT_EQ(hsv.ToRgb({120, 0, 77}), Rgb(77, 77, 77));
    EXPECT_EQ(hsv.ToRgb({0, 256 + 255, 256 + 255}), Rgb(255, 0, 0)) << "only the low bytes of S and V count";
    EXPECT_EQ(hls.ToRgb({0, 256 + 127, 256 + 255}), Rgb(254, 0, 0)) << "only the low bytes of L and S count";
    EXPECT_EQ(CColorSpaceRGB().ToRgb({12, 34, 56}), Rgb(12, 34, 56));
}

// Each truncation of the way there and back loses less than a level; the
// hue's (two degrees at most for HSV, one for HLS) moves the middle channel
// by up to 255 · 6 / 360 levels a degree. Greys and, in HSV, the largest
// channel come back exactly.
TEST(ColorSpace, EveryColourComesBackWithinWhatTheTruncationsLose)
{
    const CColorSpaceHSV hsv;
    const CColorSpaceHLS hls;
    int hsvError = 0;
    int hlsError = 0;
    for (int red = 0; red < 256; ++red) {
        for (int green = 0; green < 256; green += 5) {
            for (int blue = 0; blue < 256; blue += 5) {
                const SPaletteColor color = Rgb(red, green, blue);
                const SPaletteColor viaHsv = hsv.ToRgb(hsv.FromRgb(color));
                const SPaletteColor viaHls = hls.ToRgb(hls.FromRgb(color));
                const auto error = [&](const SPaletteColor& back) {
                    return std::max({std::abs(back.red - red), std::abs(back.green - green),
                                     std::abs(back.blue - blue)});
                };
                hsvError = std::max(hsvError, error(viaHsv));
                hlsError = std::max(hlsError, error(viaHls));
                const int largest = std::max({red, green, blue});
                ASSERT_EQ(std::max({viaHsv.red, viaHsv.green, viaHsv.blue}), largest);
                if (red == green && green == blue) {
                    ASSERT_EQ(viaHsv, color);
                    ASSERT_EQ(viaHls, color);
                }
            }
        }
    }
    EXPECT_LE(hsvError, 6);
    EXPECT_LE(hlsError, 7);
    EXPECT_GT(hsvError, 0) << "the formulas do drift: that is why the palette keeps the values set";
}

}  // namespace
