#pragma once

#include <algorithm>

#include "model/geometry.h"

// The two grids drawn over the zoomed picture: a black line round every image
// pixel, and dashed lines every `interval` image pixels, each from its own
// minimum zoom on.
struct SImageGrid {
    int pixelGridMinZoom = 8;
    int intervalGridMinZoom = 8;
    CSize interval{16, 16};

    // The pixel grid takes a row and a column of every cell, which would leave
    // nothing of the picture at zoom 1.
    bool DrawsPixelGrid(int zoom) const { return zoom >= std::max(pixelGridMinZoom, 2); }
    bool DrawsIntervalGrid(int zoom) const { return zoom >= intervalGridMinZoom; }
};
