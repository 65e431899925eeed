#pragma once

#include <algorithm>

// Image coordinates are signed pixels, origin top-left. Rectangles are
// (left, top, right, bottom) with right and bottom exclusive.
struct CPoint {
    int x = 0;
    int y = 0;
    friend bool operator==(const CPoint&, const CPoint&) = default;
};

struct CSize {
    int cx = 0;
    int cy = 0;
    friend bool operator==(const CSize&, const CSize&) = default;
};

struct CRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool IsRectEmpty() const { return right <= left || bottom <= top; }
    CPoint TopLeft() const { return {left, top}; }
    bool PtInRect(CPoint p) const { return p.x >= left && p.x < right && p.y >= top && p.y < bottom; }

    void OffsetRect(int dx, int dy)
    {
        left += dx, right += dx, top += dy, bottom += dy;
    }

    // Sets this to the overlap of a and b; returns false (and an empty
    // rectangle) when they do not overlap.
    bool IntersectRect(const CRect& a, const CRect& b)
    {
        *this = {std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
                 std::min(a.bottom, b.bottom)};
        if (IsRectEmpty()) {
            *this = {};
            return false;
        }
        return true;
    }

    // Sets this to the bounding box of a and b; an empty operand is ignored.
    bool UnionRect(const CRect& a, const CRect& b)
    {
        if (a.IsRectEmpty()) {
            *this = b;
        } else if (b.IsRectEmpty()) {
            *this = a;
        } else {
            *this = {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
                     std::max(a.bottom, b.bottom)};
        }
        return !IsRectEmpty();
    }

    friend bool operator==(const CRect&, const CRect&) = default;
};
