#pragma once

#include "model/display_pixel.h"
#include "model/geometry.h"

class CDibSection;

// Draws a frame of the given thickness just inside the rectangle of a
// display surface, clipped to it.
void FrameDisplayRect(CDibSection& surface, const CRect& rect, int thickness, DisplayPixel color);
