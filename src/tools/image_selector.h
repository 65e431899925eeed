#pragma once

#include <cstdint>
#include <vector>

#include "model/geometry.h"

class CImageEditWnd;
class CShape;

// The outline of a selection while it is being drawn: the points the
// selection pen recorded, in order, and their bounding rectangle. The canvas
// shows the points until the outline becomes a selection mask.
class CImageSelector {
public:
    // The canvas that shows the points (not owned; none in tests of the
    // outline alone).
    explicit CImageSelector(CImageEditWnd* window = nullptr) : m_window(window) {}

    // Forgets the outline and its rectangle.
    void Reset();
    // Forgets the points; the rectangle stays for the refresh that erases them.
    void ClearPoints() { m_points.clear(); }
    void Append(int x, int y) { m_points.push_back({x, y}); }

    // Records the shape's outline. With replace it takes the place of the
    // outline so far (a rectangle being dragged open), otherwise it adds to it
    // (a free-form stroke). With redraw the canvas shows the change at once.
    void DrawShape(CShape& shape, int x0, int y0, int x1, int y1, bool redraw, bool replace);
    // Takes the edge of a mask laid over the rectangle as the outline: its
    // set pixels on the rectangle's border or beside an unset one.
    void SetFromMask(const uint8_t* mask, const CRect& rect);
    // The outline with every pocket it encloses, over the rectangle, or no
    // mask when there is no outline. The points are cleared.
    std::vector<uint8_t> BuildMask();

    const std::vector<CPoint>& GetPoints() const { return m_points; }
    // Right and bottom exclusive; empty when nothing was recorded.
    const CRect& GetRect() const { return m_rect; }

private:
    void Refresh(const CRect& rect) const;

    CImageEditWnd* m_window;
    std::vector<CPoint> m_points;
    CRect m_rect;
};
