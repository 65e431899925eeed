#include "app/grid_profile.h"

#include <algorithm>

#include "app/ini_profile.h"

namespace {

void Exchange(const std::filesystem::path& file, bool saving, SImageGrid& grid)
{
    CIniProfile profile(file, !saving, saving);
    profile.Exchange(saving, "Small", "Limit", grid.pixelGridMinZoom);
    profile.Exchange(saving, "Medium", "Limit", grid.intervalGridMinZoom);
    CPoint interval{grid.interval.cx, grid.interval.cy};
    profile.Exchange(saving, "Medium", "Interval", interval);
    // Lines every zero pixels would never end.
    grid.interval = {std::max(1, interval.x), std::max(1, interval.y)};
}

}  // namespace

SImageGrid LoadImageGrid(const std::filesystem::path& file)
{
    SImageGrid grid;
    Exchange(file, false, grid);
    return grid;
}

void SaveImageGrid(const std::filesystem::path& file, const SImageGrid& grid)
{
    SImageGrid saved = grid;
    Exchange(file, true, saved);
}
