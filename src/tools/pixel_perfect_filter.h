#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "model/geometry.h"
#include "tools/shape_pen.h"

class CStippleboxLayer;

// Keeps a one-pixel freehand stroke one pixel thick. The stroke's points
// arrive one by one as they are drawn; whenever the last three turn an
// L-shaped corner (the first and the third touch diagonally), the middle one
// is taken back, so that the stroke runs diagonally through the corner.
class CPixelPerfectFilter {
public:
    // A point of the stroke and what the layer held there before the stroke
    // drew it (nothing for a point off the layer).
    struct SPixel {
        CPoint point;
        std::optional<uint8_t> before;
    };

    // Forgets the points of the previous stroke.
    void Reset() { m_kept.clear(); }
    // Adds the point just drawn; returns the corner point to take back, if
    // the point completes one.
    std::optional<SPixel> Add(const SPixel& pixel);

private:
    // The last two points that stay drawn (older ones cannot form a corner).
    std::vector<SPixel> m_kept;
};

// A drawing pen seen through the filter: it records what each point held,
// lets the drawing pen draw it, and puts back the pixel of every corner the
// filter takes back.
class CShapePenPixelPerfect final : public CShapePen {
public:
    CShapePenPixelPerfect(CShapePen& pen, CStippleboxLayer& layer, CPixelPerfectFilter& filter)
        : m_pen(pen), m_layer(layer), m_filter(filter)
    {
    }

    void Plot(int x, int y) override;
    int GetSize() const override { return m_pen.GetSize(); }

private:
    CShapePen& m_pen;
    CStippleboxLayer& m_layer;
    CPixelPerfectFilter& m_filter;
};
