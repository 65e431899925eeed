#pragma once

#include <cstdint>

#include "model/dib_layout.h"
#include "model/display_pixel.h"
#include "model/geometry.h"

class CDibSection;

// A drawing context bound to one surface for the length of one drawing or
// colour-table operation. The surface belongs to the caller.
class CBmpDC {
public:
    explicit CBmpDC(CDibSection& surface) : m_surface(surface) {}

    // Returns the number of entries set or read.
    int SetDIBColorTable(int first, int count, const RGBQUAD* colors);
    int GetDIBColorTable(int first, int count, RGBQUAD* colors) const;

    // Both clip to the surfaces. FillSolidRect is for display surfaces;
    // BitBlt copies between surfaces of one depth.
    void FillSolidRect(const CRect& rect, DisplayPixel color);
    void BitBlt(int x, int y, int width, int height, const CDibSection& source, int sourceX, int sourceY);

private:
    CDibSection& m_surface;
};
