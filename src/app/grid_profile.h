#pragma once

#include <filesystem>

#include "views/image_grid.h"

// The grids' settings file: section "Small" holds the pixel grid's minimum
// zoom ("Limit"), section "Medium" the interval grid's ("Limit") and its
// intervals ("Interval", x,y). Missing values keep the built-in ones.
SImageGrid LoadImageGrid(const std::filesystem::path& file);

// Writes the three values back (the whole file is rewritten).
void SaveImageGrid(const std::filesystem::path& file, const SImageGrid& grid);
