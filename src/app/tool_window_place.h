#pragma once

#include <vector>

#include "model/geometry.h"

// Where a tool window opens: at its saved place when that is usable, else at
// the default place. A saved place is usable when it is not empty and the
// window's top edge, where it is grabbed to be moved, lies on a screen with
// at least a corner of the window (32 × 32 pixels, or the whole window when
// it is smaller). Screens are their available areas.
CRect PlaceToolWindow(const CRect& saved, const CRect& defaultPlace, const std::vector<CRect>& screens);
