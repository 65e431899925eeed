#include "model/selection_frame_drawing.h"

#include <cassert>

#include "model/dib_section.h"
#include "model/selection_frame_list.h"

namespace {

constexpr DisplayPixel kRed = MakeDisplayPixel(255, 0, 0);

void PutPixel(CDibSection& surface, int x, int y, DisplayPixel color)
{
    if (x >= 0 && y >= 0 && x < surface.GetWidth() && y < surface.GetHeight()) {
        surface.GetDisplayRow(y)[x] = color;
    }
}

// The surface position of the i-th pixel of an edge run, in walking order.
CPoint EdgePixel(const CSelectionFrameList::SNode& node, const SFrameGeometry& geometry, int i)
{
    const int left = geometry.origin.x + node.x * geometry.cell.cx;
    const int top = geometry.origin.y + node.y * geometry.cell.cy;
    const int right = left + geometry.cell.cx - 1;
    const int bottom = top + geometry.cell.cy - 1;
    switch (node.edge) {
    case CSelectionFrameList::kTop:
        return {left + i, top};
    case CSelectionFrameList::kRight:
        return {right, top + i};
    case CSelectionFrameList::kBottom:
        return {right - i, bottom};
    default:
        return {left, bottom - i};
    }
}

int EdgeLength(const CSelectionFrameList::SNode& node, const SFrameGeometry& geometry)
{
    const bool horizontal = node.edge == CSelectionFrameList::kTop || node.edge == CSelectionFrameList::kBottom;
    return horizontal ? geometry.cell.cx : geometry.cell.cy;
}

bool SamePixel(const CSelectionFrameList::SNode& a, const CSelectionFrameList::SNode& b)
{
    return a.x == b.x && a.y == b.y;
}

// One surface pixel per cell: a run of edges of one pixel is one dot.
void DrawDots(CDibSection& surface, const std::vector<CSelectionFrameList::SNode>& nodes,
              const SFrameGeometry& geometry, const CRect& cells, const CDashPattern& pattern, unsigned phase)
{
    for (size_t i = 0; i < nodes.size(); ++i) {
        const CSelectionFrameList::SNode& node = nodes[i];
        if (i + 1 < nodes.size() && SamePixel(node, nodes[i + 1])) {
            continue;
        }
        if (cells.PtInRect({node.x, node.y})) {
            PutPixel(surface, geometry.origin.x + node.x, geometry.origin.y + node.y, pattern[phase & 7]);
        }
        ++phase;
    }
}

// Runs of cell-edge length. Consecutive edges of one pixel share their
// corner pixel, which takes the same dash colour both times.
void DrawRuns(CDibSection& surface, const std::vector<CSelectionFrameList::SNode>& nodes,
              const SFrameGeometry& geometry, const CRect& cells, const CDashPattern& pattern, unsigned phase)
{
    for (size_t i = 0; i < nodes.size(); ++i) {
        const CSelectionFrameList::SNode& node = nodes[i];
        if (i > 0 && SamePixel(node, nodes[i - 1])) {
            --phase;
        }
        const int length = EdgeLength(node, geometry);
        if (!cells.PtInRect({node.x, node.y})) {
            phase += unsigned(length);
            continue;
        }
        for (int k = 0; k < length; ++k) {
            const CPoint p = EdgePixel(node, geometry, k);
            PutPixel(surface, p.x, p.y, pattern[phase & 7]);
            ++phase;
        }
    }
}

}  // namespace

CDashPattern MakeDashPattern(DisplayPixel a, DisplayPixel b, int mode)
{
    CDashPattern pattern;
    for (int i = 0; i < 8; ++i) {
        switch (mode) {
        case 1:
            pattern[i] = (i & 1) == 0 ? a : b;
            break;
        case 2:
            pattern[i] = (i & 2) == 0 ? a : b;
            break;
        case 3:
            pattern[i] = i < 4 ? a : b;
            break;
        default:
            pattern[i] = a;
            break;
        }
    }
    return pattern;
}

const CDashPattern& GetNormalFramePattern()
{
    static const CDashPattern pattern = MakeDashPattern(kDisplayBlack, kDisplayWhite, 3);
    return pattern;
}

const CDashPattern& GetActiveFramePattern()
{
    static const CDashPattern pattern = MakeDashPattern(kDisplayWhite, kRed, 2);
    return pattern;
}

void DrawSelectionFrame(CDibSection& surface, const CSelectionFrameList& frame, const SFrameGeometry& geometry,
                        const CRect& cells, const CDashPattern& pattern, unsigned phase)
{
    assert(surface.GetBitCount() == kDisplayBitCount);
    if (geometry.cell.cx == 1 && geometry.cell.cy == 1) {
        DrawDots(surface, frame.GetNodes(), geometry, cells, pattern, phase);
    } else {
        DrawRuns(surface, frame.GetNodes(), geometry, cells, pattern, phase);
    }
}
