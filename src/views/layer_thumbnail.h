#pragma once

#include <vector>

#include "model/display_pixel.h"
#include "model/geometry.h"

class CStippleboxLayer;

// A layer at a small size for the layer list: nearest-neighbour samples,
// thumbnail column i taking the image column at the whole part of the running
// sum of (image width / thumbnail width), rows alike, top to bottom.
class CLayerThumbnail {
public:
    // colors: the display pixels of the 256 palette entries.
    void Sample(const CStippleboxLayer& layer, const DisplayPixel* colors, CSize size);

    CSize GetSize() const { return m_size; }
    const DisplayPixel* GetRow(int y) const { return m_pixels.data() + size_t(y) * size_t(m_size.cx); }

private:
    CSize m_size;
    std::vector<DisplayPixel> m_pixels;
};
