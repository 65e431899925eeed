#pragma once

#include <array>
#include <cstdint>

#include "model/display_pixel.h"
#include "model/geometry.h"

class CDibSection;
class CSelectionFrameList;

// Eight display colours that a dashed line cycles through.
using CDashPattern = std::array<DisplayPixel, 8>;

// Dash patterns of two colours: mode 0 all a; 1 a, b alternating; 2 a, a, b,
// b repeated; 3 four a then four b.
CDashPattern MakeDashPattern(DisplayPixel a, DisplayPixel b, int mode);
// The marching outline of a selection at rest: black, then white.
const CDashPattern& GetNormalFramePattern();
// The outline while the selection is being dragged: white and red.
const CDashPattern& GetActiveFramePattern();

// Where the cells of an outline land on a surface.
struct SFrameGeometry {
    CPoint origin;  // surface position of the top-left pixel of cell (0, 0)
    CSize cell;     // surface pixels of one cell

    // The canvas: a selection whose top-left is at selectionTopLeft, seen at
    // a zoom with the image pixel scroll at the surface's top-left.
    static SFrameGeometry ForCanvas(CPoint selectionTopLeft, CPoint scroll, int zoom)
    {
        return {{(selectionTopLeft.x - scroll.x) * zoom, (selectionTopLeft.y - scroll.y) * zoom}, {zoom, zoom}};
    }
};

// Draws the outline over a display surface, dash colours running on from
// phase in walking order so that the dashes continue round corners. Only
// edges of cells inside `cells` (outline coordinates) are drawn; the others
// advance the phase as if they were, so a partial repaint matches a full one.
// Surface pixels outside the surface are skipped.
void DrawSelectionFrame(CDibSection& surface, const CSelectionFrameList& frame, const SFrameGeometry& geometry,
                        const CRect& cells, const CDashPattern& pattern, unsigned phase);
