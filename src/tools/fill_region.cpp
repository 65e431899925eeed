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

// Calls rowOp(y, original row above, original row, original row below, row
// to rewrite) for the rows first .. last of the region's mask, top down.
// Rows beyond the mask read as zeros.
template <class RowOp>
void RewriteRows(SFillRegion& region, int first, int last, RowOp rowOp)
{
    const int width = region.area.Width();
    const int height = region.area.Height();
    const std::vector<uint8_t> zeros(static_cast<size_t>(width), 0);
    std::vector<uint8_t> above(zeros);
    std::vector<uint8_t> current(static_cast<size_t>(width));
    if (first > 0) {
        std::memcpy(above.data(), &region.mask[size_t(first - 1) * width], size_t(width));
    }
    for (int y = first; y <= last; ++y) {
        uint8_t* row = &region.mask[size_t(y) * width];
        std::memcpy(current.data(), row, size_t(width));
        const uint8_t* below = y + 1 < height ? row + width : zeros.data();
        rowOp(y, above.data(), current.data(), below, row);
        std::swap(above, current);
    }
}

}  // namespace

SFillRegion GrowFillRegion(const SFillSource& source, const CRect& area, CPoint seed,
                           std::vector<uint8_t> zeroedMask)
{
    SFillRegion region;
    region.area = area;
    region.mask = std::move(zeroedMask);
    if (!area.PtInRect(seed)) {
        return region;
    }
    const size_t count = size_t(area.Width()) * size_t(area.Height());
    if (region.mask.size() != count) {
        region.mask.assign(count, 0);
    }
    const uint8_t reference = source.pixels[size_t(seed.y) * source.stride + seed.x];
    if (source.selectionMask != nullptr) {
        CRegionGrower<true>(source, region, reference).Grow(seed);
    } else {
        CRegionGrower<false>(source, region, reference).Grow(seed);
    }
    return region;
}

std::vector<uint8_t> ReleaseRegionMask(SFillRegion& region)
{
    CRect set;
    if (set.IntersectRect(region.bounds, region.area)) {
        for (int y = set.top; y < set.bottom; ++y) {
            std::memset(&region.At(set.left, y), 0, size_t(set.Width()));
        }
    }
    region.bounds = {};
    return std::move(region.mask);
}

void KeepInnerEdge(SFillRegion& region)
{
    if (region.bounds.IsRectEmpty()) {
        return;
    }
    const CRect& area = region.area;
    const int width = area.Width();
    const int height = area.Height();
    const int xFirst = std::max(region.bounds.left - area.left, 1);
    const int xLast = std::min(region.bounds.right - 1 - area.left, width - 2);
    RewriteRows(region, region.bounds.top - area.top, region.bounds.bottom - 1 - area.top,
                [&](int y, const uint8_t* above, const uint8_t* row, const uint8_t* below, uint8_t* out) {
                    if (y == 0 || y == height - 1) {
                        return;  // the area's border keeps its pixels
                    }
                    for (int x = xFirst; x <= xLast; ++x) {
                        const bool enclosed = (row[x - 1] != 0) & (row[x + 1] != 0) & (above[x] != 0) & (below[x] != 0);
                        out[x] = enclosed ? 0 : row[x];
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
    const CRect ring{region.bounds.left - 1, region.bounds.top - 1, region.bounds.right + 1, region.bounds.bottom + 1};
    CRect rewritten;
    rewritten.IntersectRect(ring, area);
    const int xFirst = rewritten.left - area.left;
    const int xLast = rewritten.right - 1 - area.left;
    RewriteRows(region, rewritten.top - area.top, rewritten.bottom - 1 - area.top,
                [&](int, const uint8_t* above, const uint8_t* row, const uint8_t* below, uint8_t* out) {
                    const auto outside = [&](int x) {
                        const bool touches = (x > 0 && row[x - 1] != 0) || (x + 1 < width && row[x + 1] != 0) ||
                                             above[x] != 0 || below[x] != 0;
                        return uint8_t(row[x] == 0 && touches ? 1 : 0);
                    };
                    int x = xFirst;
                    if (x == 0) {
                        out[x] = outside(x);
                        ++x;
                    }
                    // Away from the area's sides every neighbour can be read.
                    for (const int end = std::min(xLast, width - 2); x <= end; ++x) {
                        const bool touches = (row[x - 1] | row[x + 1] | above[x] | below[x]) != 0;
                        out[x] = ((row[x] == 0) & touches) ? 1 : 0;
                    }
                    for (; x <= xLast; ++x) {
                        out[x] = outside(x);
                    }
                });
    region.bounds = ring;
}
