#include <gtest/gtest.h>

#include "app/tool_window_place.h"

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

}  // namespace
