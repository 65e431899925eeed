#include "app/tool_window_place.h"

#include <algorithm>
#include <initializer_list>

namespace {

constexpr int kGrabSize = 32;
// Far beyond any screen; coordinates past it come from a damaged file, and
// keeping them out keeps the widths from overflowing.
constexpr int kFarAway = 1 << 20;

bool IsSane(const CRect& place)
{
    return std::ranges::all_of(std::initializer_list<int>{place.left, place.top, place.right, place.bottom},
                               [](int coordinate) { return coordinate > -kFarAway && coordinate < kFarAway; });
}

bool IsReachable(const CRect& place, const CRect& screen)
{
    CRect visible;
    return visible.IntersectRect(place, screen) && visible.top == place.top &&
           visible.Width() >= std::min(place.Width(), kGrabSize) &&
           visible.Height() >= std::min(place.Height(), kGrabSize);
}

}  // namespace

CRect PlaceToolWindow(const CRect& saved, const CRect& defaultPlace, const std::vector<CRect>& screens)
{
    if (!IsSane(saved) || saved.IsRectEmpty()) {
        return defaultPlace;
    }
    const bool reachable =
        std::any_of(screens.begin(), screens.end(), [&](const CRect& screen) { return IsReachable(saved, screen); });
    return reachable ? saved : defaultPlace;
}
