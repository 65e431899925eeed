#include "model/selection_frame_list.h"

#include <cstddef>

namespace {

// One walk around an area or a hole. The walk keeps to selected pixels; it
// marks each (pixel, edge) it passes and ends at one already marked, so no
// edge is walked twice over all walks of a mask.
class CFrameTracer {
public:
    CFrameTracer(const uint8_t* mask, int width, int height)
        : m_mask(mask), m_width(width), m_height(height), m_visited(size_t(width) * size_t(height), 0)
    {
    }

    bool IsSelected(int x, int y) const
    {
        return x >= 0 && y >= 0 && x < m_width && y < m_height && m_mask[size_t(y) * m_width + x] != 0;
    }
    bool IsVisited(int x, int y, int edge) const { return (m_visited[size_t(y) * m_width + x] & edge) != 0; }

    void Trace(int x, int y, std::vector<CSelectionFrameList::SNode>& nodes)
    {
        using F = CSelectionFrameList;
        int edge = F::kTop;
        while (!IsVisited(x, y, edge)) {
            m_visited[size_t(y) * m_width + x] |= static_cast<uint8_t>(edge);
            if (IsBoundary(x, y, edge)) {
                nodes.push_back({x, y, edge});
            }
            // Turn: into the outer neighbour when it is selected (an inner
            // corner), else straight on along the walking direction when that
            // pixel is selected, else round the pixel's own corner.
            switch (edge) {
            case F::kTop:
                if (IsSelected(x, y - 1)) {
                    --y, edge = F::kLeft;
                } else if (IsSelected(x + 1, y)) {
                    ++x;
                } else {
                    edge = F::kRight;
                }
                break;
            case F::kRight:
                if (IsSelected(x + 1, y)) {
                    ++x, edge = F::kTop;
                } else if (IsSelected(x, y + 1)) {
                    ++y;
                } else {
                    edge = F::kBottom;
                }
                break;
            case F::kBottom:
                if (IsSelected(x, y + 1)) {
                    ++y, edge = F::kRight;
                } else if (IsSelected(x - 1, y)) {
                    --x;
                } else {
                    edge = F::kLeft;
                }
                break;
            default:  // kLeft
                if (IsSelected(x - 1, y)) {
                    --x, edge = F::kBottom;
                } else if (IsSelected(x, y - 1)) {
                    --y;
                } else {
                    edge = F::kTop;
                }
                break;
            }
        }
    }

private:
    // An edge is part of the outline when the pixel on its outer side is not
    // selected.
    bool IsBoundary(int x, int y, int edge) const
    {
        using F = CSelectionFrameList;
        switch (edge) {
        case F::kTop:
            return !IsSelected(x, y - 1);
        case F::kRight:
            return !IsSelected(x + 1, y);
        case F::kBottom:
            return !IsSelected(x, y + 1);
        default:
            return !IsSelected(x - 1, y);
        }
    }

    const uint8_t* m_mask;
    int m_width;
    int m_height;
    std::vector<uint8_t> m_visited;  // edge bits per pixel
};

}  // namespace

void CSelectionFrameList::Build(const uint8_t* mask, int width, int height, bool force)
{
    if (!force && !m_nodes.empty()) {
        return;
    }
    Clear();
    if (mask == nullptr || width <= 0 || height <= 0) {
        return;
    }
    CFrameTracer tracer(mask, width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            if (tracer.IsSelected(x, y) && !tracer.IsSelected(x, y - 1) && !tracer.IsVisited(x, y, kTop)) {
                tracer.Trace(x, y, m_nodes);
            }
        }
    }
}
