#include "tools/fill_region.h"

#include <algorithm>
#include <cstring>

namespace {

// A row span whose neighbour row still has to be scanned: row y over
// [left, right], reached from row y − dy.
struct SSpan {
    int32_t y;
    int32_t left;
    int32_t right;
    int32_t dy;
};

// Span filling: each run of the region is found once and marked whole, and
// only the stretches of the rows beside it that it newly reaches are queued.
// The result is the same 4-connected region a pixel-by-pixel growth gives.
template <bool kHasSelection>
class CRegionGrower {
public:
    CRegionGrower(const SFillSource& source, SFillRegion& region, uint8_t reference)
        : m_source(source), m_region(region), m_reference(reference)
    {
    }

    void Grow(CPoint seed)
    {
        if (!IsInside(seed.x, seed.y)) {
            return;
        }
        m_region.bounds = {seed.x, seed.y, seed.x + 1, seed.y + 1};
        const auto [left, right] = MarkRun(seed.x, seed.y);
        Queue(seed.y - 1, left, right, -1);
        Queue(seed.y + 1, left, right, 1);
        while (!m_spans.empty()) {
            const SSpan span = m_spans.back();
            m_spans.pop_back();
            for (int x = span.left; x <= span.right; ++x) {
                if (!IsInside(x, span.y)) {
                    continue;
                }
                const auto [runLeft, runRight] = MarkRun(x, span.y);
                Queue(span.y + span.dy, runLeft, runRight, span.dy);
                // Where the run overhangs the row it came from, that row
                // has not been looked at yet.
                if (runLeft < span.left) {
                    Queue(span.y - span.dy, runLeft, span.left - 1, -span.dy);
                }
                if (runRight > span.right) {
                    Queue(span.y - span.dy, span.right + 1, runRight, -span.dy);
                }
                x = runRight + 1;
            }
        }
    }

private:
    bool IsInside(int x, int y) const
    {
        if (m_source.pixels[size_t(y) * m_source.stride + x] != m_reference || m_region.At(x, y) != 0) {
            return false;
        }
        if constexpr (kHasSelection) {
            const CRect& rect = m_source.selectionRect;
            return m_source.selectionMask[size_t(y - rect.top) * rect.Width() + (x - rect.left)] != 0;
        }
        return true;
    }

    // Marks the whole run through (x, y) and returns its ends.
    std::pair<int, int> MarkRun(int x, int y)
    {
        const CRect& area = m_region.area;
        int left = x;
        while (left > area.left && IsInside(left - 1, y)) {
            --left;
        }
        int right = x;
        while (right < area.right - 1 && IsInside(right + 1, y)) {
            ++right;
        }
        std::memset(&m_region.At(left, y), 1, size_t(right - left + 1));
        CRect& bounds = m_region.bounds;
        bounds = {std::min(bounds.left, left), std::min(bounds.top, y), std::max(bounds.right, right + 1),
                  std::max(bounds.bottom, y + 1)};
        return {left, right};
    }

    void Queue(int y, int left, int right, int dy)
    {
        if (y >= m_region.area.top && y < m_region.area.bottom) {
            m_spans.push_back({y, left, right, dy});
        }
    }

    const SFillSource& m_source;
    SFillRegion& m_region;
    uint8_t m_reference;
    std::vector<SSpan> m_spans;
};

// Calls rowOp(original row above or null, original row, row below or null,
// row to rewrite) for the rows first .. last of the region's mask. The rows
// above and at y are copies taken before they were rewritten.
template <class RowOp>
void RewriteRows(SFillRegion& region, int first, int last, RowOp rowOp)
{
    const int width = region.area.Width();
    const int height = region.area.Height();
    std::vector<uint8_t> above(static_cast<size_t>(width));
    std::vector<uint8_t> current(static_cast<size_t>(width));
    bool haveAbove = false;
    if (first > 0) {
        std::memcpy(above.data(), &region.mask[size_t(first - 1) * width], size_t(width));
        haveAbove = true;
    }
    for (int y = first; y <= last; ++y) {
        uint8_t* row = &region.mask[size_t(y) * width];
        std::memcpy(current.data(), row, size_t(width));
        const uint8_t* below = y + 1 < height ? row + width : nullptr;
        rowOp(haveAbove ? above.data() : nullptr, current.data(), below, row);
        std::swap(above, current);
        haveAbove = true;
    }
}

}  // namespace

SFillRegion GrowFillRegion(const SFillSource& source, const CRect& area, CPoint seed)
{
    SFillRegion region;
    region.area = area;
    if (!area.PtInRect(seed)) {
        return region;
    }
    region.mask.assign(size_t(area.Width()) * size_t(area.Height()), 0);
    const uint8_t reference = source.pixels[size_t(seed.y) * source.stride + seed.x];
    if (source.selectionMask != nullptr) {
        CRegionGrower<true>(source, region, reference).Grow(seed);
    } else {
        CRegionGrower<false>(source, region, reference).Grow(seed);
    }
    return region;
}

void KeepInnerEdge(SFillRegion& region)
{
    if (region.bounds.IsRectEmpty()) {
        return;
    }
    const CRect& area = region.area;
    const int width = area.Width();
    const int xFirst = std::max(region.bounds.left - area.left, 1);
    const int xLast = std::min(region.bounds.right - 1 - area.left, width - 2);
    RewriteRows(region, region.bounds.top - area.top, region.bounds.bottom - 1 - area.top,
                [&](const uint8_t* above, const uint8_t* row, const uint8_t* below, uint8_t* out) {
                    if (above == nullptr || below == nullptr) {
                        return;  // the area's top or bottom border
                    }
                    for (int x = xFirst; x <= xLast; ++x) {
                        if (row[x] != 0 && row[x - 1] != 0 && row[x + 1] != 0 && above[x] != 0 && below[x] != 0) {
                            out[x] = 0;
                        }
                    }
                });
}

void MakeOuterEdge(SFillRegion& region)
{
    if (region.bounds.IsRectEmpty()) {
        return;
    }
    const CRect& area = region.area;
    const int width = area.Width();
    CRect ring = region.bounds;
    ring = {ring.left - 1, ring.top - 1, ring.right + 1, ring.bottom + 1};
    CRect rows;
    rows.IntersectRect(ring, area);
    const int xFirst = rows.left - area.left;
    const int xLast = rows.right - 1 - area.left;
    RewriteRows(region, rows.top - area.top, rows.bottom - 1 - area.top,
                [&](const uint8_t* above, const uint8_t* row, const uint8_t* below, uint8_t* out) {
                    for (int x = xFirst; x <= xLast; ++x) {
                        const bool touches = (x > 0 && row[x - 1] != 0) || (x + 1 < width && row[x + 1] != 0) ||
                                             (above != nullptr && above[x] != 0) ||
                                             (below != nullptr && below[x] != 0);
                        out[x] = row[x] == 0 && touches ? 1 : 0;
                    }
                });
    region.bounds = ring;
}
