#pragma once

#include <vector>

#include "model/geometry.h"

// The outline of a selection while it is being drawn: the points the
// selection pen recorded, in order. The canvas shows them until the outline
// becomes a selection.
class CImageSelector {
public:
    void Reset() { m_points.clear(); }
    void Append(int x, int y) { m_points.push_back({x, y}); }
    const std::vector<CPoint>& GetPoints() const { return m_points; }

private:
    std::vector<CPoint> m_points;
};
