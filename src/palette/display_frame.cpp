#include "palette/display_frame.h"

#include "model/bmp_dc.h"

void FrameDisplayRect(CDibSection& surface, const CRect& rect, int thickness, DisplayPixel color)
{
    CBmpDC dc(surface);
    dc.FillSolidRect({rect.left, rect.top, rect.right, rect.top + thickness}, color);
    dc.FillSolidRect({rect.left, rect.bottom - thickness, rect.right, rect.bottom}, color);
    dc.FillSolidRect({rect.left, rect.top, rect.left + thickness, rect.bottom}, color);
    dc.FillSolidRect({rect.right - thickness, rect.top, rect.right, rect.bottom}, color);
}
