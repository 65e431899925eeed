#pragma once

#include "model/geometry.h"

class CShapePen;

// An outline between two corner points (both inclusive), walked point by
// point into a pen.
class CShape {
public:
    virtual ~CShape() = default;
    // Plots the outline. With a dirty rectangle, stores there the rectangle
    // (right and bottom exclusive) that the pen can have touched.
    virtual void Draw(CShapePen& pen, int x0, int y0, int x1, int y1, CRect* dirty) = 0;
};

// A straight line. Without its start point, consecutive segments of a
// freehand stroke join without stamping the joint twice.
class CShapeLine : public CShape {
public:
    explicit CShapeLine(bool includeStart) : m_includeStart(includeStart) {}
    void Draw(CShapePen& pen, int x0, int y0, int x1, int y1, CRect* dirty) override;

private:
    bool m_includeStart;
};

// The ellipse fitted into the box of the two corners.
class CShapeEllipse : public CShape {
public:
    void Draw(CShapePen& pen, int x0, int y0, int x1, int y1, CRect* dirty) override;
};

// The box's four sides, from the first corner down, across, up and back, so
// that a recording pen gets a polygon with each corner once.
class CShapeRectangle : public CShape {
public:
    void Draw(CShapePen& pen, int x0, int y0, int x1, int y1, CRect* dirty) override;
};
