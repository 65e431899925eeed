#pragma once

#include "model/display_pixel.h"
#include "model/geometry.h"

class CDibSection;

// Outlines on on-screen surfaces (bit count kDisplayBitCount); both clip to
// the surface and do nothing on one not yet created.
// A one-pixel frame just inside the rectangle.
void FrameDisplayRect(CDibSection& surface, const CRect& rect, DisplayPixel color);
// Inverts every channel: doing it twice puts the pixels back.
void InvertDisplayRect(CDibSection& surface, const CRect& rect);
