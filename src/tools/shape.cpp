#include "tools/shape.h"

#include <cmath>
#include <cstdlib>

#include "tools/ellipse_columns.h"
#include "tools/shape_pen.h"

namespace {

// The rectangle any nib stamped on the outline of the box can reach.
void SetDirtyRect(const CShapePen& pen, int x0, int y0, int x1, int y1, CRect* dirty)
{
    if (dirty == nullptr) {
        return;
    }
    const int half = (pen.GetSize() >> 1) & 255;
    *dirty = {std::min(x0, x1) - half, std::min(y0, y1) - half, std::max(x0, x1) + half + 1,
              std::max(y0, y1) + half + 1};
}

// Plots column x from row `from` to row `to`, both inclusive; the first row
// only when asked, unless the run is a single row.
void PlotColumnRun(CShapePen& pen, int from, int x, int to, bool includeFirst)
{
    if (from == to) {
        pen.Plot(x, to);
        return;
    }
    const int step = to > from ? 1 : -1;
    for (int y = from;; y += step) {
        if (y != from || includeFirst) {
            pen.Plot(x, y);
        }
        if (y == to) {
            break;
        }
    }
}

}  // namespace

void CShapeLine::Draw(CShapePen& pen, int x0, int y0, int x1, int y1, CRect* dirty)
{
    const int dx = std::abs(x1 - x0);
    const int dy = std::abs(y1 - y0);
    const int sx = x1 < x0 ? -1 : 1;
    const int sy = y1 < y0 ? -1 : 1;
    // The major axis steps every time, the minor one when the error, biased
    // by half a step, overflows.
    const bool xMajor = dx >= dy;
    const int major = xMajor ? dx : dy;
    const int minor = xMajor ? dy : dx;
    int x = x0;
    int y = y0;
    CPoint last{x0, y0};
    int err = (major >> 1) + 1;
    for (int i = 0; i <= major; ++i) {
        if (i > 0 || m_includeStart) {
            pen.Plot(x, y);
            last = {x, y};
        }
        err += minor;
        const bool stepMinor = err > major;
        if (stepMinor) {
            err -= major;
        }
        if (xMajor) {
            y += stepMinor ? sy : 0;
            x += sx;
        } else {
            x += stepMinor ? sx : 0;
            y += sy;
        }
    }
    if (last != CPoint{x1, y1}) {
        pen.Plot(x1, y1);
    }
    SetDirtyRect(pen, x0, y0, x1, y1, dirty);
}

void CShapeEllipse::Draw(CShapePen& pen, int x0, int y0, int x1, int y1, CRect* dirty)
{
    const CEllipseColumns ellipse(x0, y0, x1, y1);
    // Four quarters, each from its outermost column inwards; every column
    // runs on from the row where the previous one ended.
    for (const bool upper : {true, false}) {
        for (const bool fromLeft : {true, false}) {
            int previous = upper ? static_cast<int>(ellipse.UpperCentre() - 0.5) : ellipse.LowerStartRow();
            for (int i = 0; static_cast<float>(i) < ellipse.HalfWidth(); ++i) {
                const double h = ellipse.HalfHeight(i);
                const int x = fromLeft ? ellipse.Left() + i : ellipse.Right() - i;
                const int row = upper ? static_cast<int>(std::floor(ellipse.UpperCentre() + 0.5 - h))
                                      : ellipse.LowerRow(h);
                PlotColumnRun(pen, previous, x, row, i == 0);
                previous = row;
            }
        }
    }
    SetDirtyRect(pen, x0, y0, x1, y1, dirty);
}

void CShapeRectangle::Draw(CShapePen& pen, int x0, int y0, int x1, int y1, CRect* dirty)
{
    if (x0 == x1 || y0 == y1) {
        CShapeLine(true).Draw(pen, x0, y0, x1, y1, nullptr);
    } else {
        CShapeLine side(false);
        side.Draw(pen, x0, y0, x0, y1, nullptr);
        side.Draw(pen, x0, y1, x1, y1, nullptr);
        side.Draw(pen, x1, y1, x1, y0, nullptr);
        side.Draw(pen, x1, y0, x0, y0, nullptr);
    }
    SetDirtyRect(pen, x0, y0, x1, y1, dirty);
}
