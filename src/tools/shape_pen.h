#pragma once

#include <vector>

#include "model/geometry.h"

class CLayerPainter;

// What a point of a shape's outline means. Shapes may plot a point more than
// once; pens tolerate that.
class CShapePen {
public:
    virtual ~CShapePen() = default;
    virtual void Plot(int x, int y) = 0;
    // The width in pixels of what one Plot can touch.
    virtual int GetSize() const { return 1; }
};

// A pen that writes pixels with the painter's nib.
class CShapePenDraw : public CShapePen {
public:
    explicit CShapePenDraw(CLayerPainter* painter) : m_painter(painter) {}
    int GetSize() const override;

protected:
    CLayerPainter* m_painter;  // not owned
};

// Stamps the nib at every point.
class CShapePenDrawNormal : public CShapePenDraw {
public:
    using CShapePenDraw::CShapePenDraw;
    void Plot(int x, int y) override;
};

// Records the points of a selection outline being drawn.
class CShapePenSelectNormal : public CShapePen {
public:
    explicit CShapePenSelectNormal(std::vector<CPoint>* points) : m_points(points) {}
    void Plot(int x, int y) override { m_points->push_back({x, y}); }

private:
    std::vector<CPoint>* m_points;  // not owned
};
