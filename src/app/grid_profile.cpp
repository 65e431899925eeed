#include "app/grid_profile.h"

#include <algorithm>

#include "app/ini_profile.h"

SImageGrid LoadImageGrid(const std::filesystem::path& file)
{
    SImageGrid grid;
    CIniProfile profile(file, true, false);
    profile.Exchange(false, "Small", "Limit", grid.pixelGridMinZoom);
    profile.Exchange(false, "Medium", "Limit", grid.intervalGridMinZoom);
    CPoint interval{grid.interval.cx, grid.interval.cy};
    profile.Exchange(false, "Medium", "Interval", interval);
    // Lines every zero pixels would never end.
    grid.interval = {std::max(1, interval.x), std::max(1, interval.y)};
    return grid;
}
