#include "views/display_drawing.h"

#include <algorithm>
#include <cassert>

#include "model/bmp_dc.h"
#include "model/dib_section.h"

void FrameDisplayRect(CDibSection& surface, const CRect& rect, DisplayPixel color)
{
    if (!surface.IsCreated() || rect.IsRectEmpty()) {
        return;
    }
    CBmpDC dc(surface);
    dc.FillSolidRect({rect.left, rect.top, rect.right, rect.top + 1}, color);
    dc.FillSolidRect({rect.left, rect.bottom - 1, rect.right, rect.bottom}, color);
    dc.FillSolidRect({rect.left, rect.top, rect.left + 1, rect.bottom}, color);
    dc.FillSolidRect({rect.right - 1, rect.top, rect.right, rect.bottom}, color);
}

void InvertDisplayRect(CDibSection& surface, const CRect& rect)
{
    CRect clipped;
    if (!surface.IsCreated() || !clipped.IntersectRect(rect, surface.GetRect())) {
        return;
    }
    assert(surface.GetBitCount() == kDisplayBitCount);
    for (int y = clipped.top; y < clipped.bottom; ++y) {
        DisplayPixel* row = surface.GetDisplayRow(y);
        std::transform(row + clipped.left, row + clipped.right, row + clipped.left, InvertDisplayPixel);
    }
}
