#pragma once

// The flood fill's region growth done the plain way: one stack entry per
// visit of a pixel, the stack sized for the worst case (three entries per
// pixel of the fill area) up front. Kept as the yardstick that the editor's
// span fill is measured and checked against; the product does not use it.

#include <algorithm>
#include <cassert>
#include <cstdint>
#include <vector>

#include "tools/fill_region.h"

struct SReferenceFillEntry {
    uint16_t x;
    uint16_t y;
    uint16_t direction;  // 0 seed, 1 reached going up, 2 down, 3 left, 4 right
};

// The region as SFillRegion, with the bounding box started at the seed even
// when the seed itself fails (then the mask stays all zero).
inline SFillRegion ReferenceGrowFillRegion(const SFillSource& source, const CRect& area, CPoint seed)
{
    SFillRegion region;
    region.area = area;
    if (!area.PtInRect(seed)) {
        return region;
    }
    const int width = area.Width();
    const int height = area.Height();
    region.mask.assign(size_t(width) * size_t(height), 0);
    std::vector<SReferenceFillEntry> stack(3 * size_t(width) * size_t(height));
    size_t top = 0;
    stack[top++] = {uint16_t(seed.x), uint16_t(seed.y), 0};
    int left = seed.x, upper = seed.y, right = seed.x, lower = seed.y;
    const uint8_t reference = source.pixels[size_t(seed.y) * source.stride + seed.x];
    const auto push = [&](int x, int y, uint16_t direction) {
        assert(top < stack.size());
        stack[top++] = {uint16_t(x), uint16_t(y), direction};
    };
    while (top > 0) {
        const SReferenceFillEntry entry = stack[--top];
        const int x = entry.x;
        const int y = entry.y;
        if (source.pixels[size_t(y) * source.stride + x] != reference || region.At(x, y) != 0) {
            continue;
        }
        if (source.selectionMask != nullptr) {
            const CRect& rect = source.selectionRect;
            if (source.selectionMask[size_t(y - rect.top) * rect.Width() + (x - rect.left)] == 0) {
                continue;
            }
        }
        region.At(x, y) = 1;
        switch (entry.direction) {
        case 1:
            upper = std::min(upper, y);
            break;
        case 2:
            lower = std::max(lower, y);
            break;
        case 3:
            left = std::min(left, x);
            break;
        case 4:
            right = std::max(right, x);
            break;
        default:
            break;
        }
        if (y > area.top && entry.direction != 2) {
            push(x, y - 1, 1);
        }
        if (y < area.bottom - 1 && entry.direction != 1) {
            push(x, y + 1, 2);
        }
        if (x > area.left && entry.direction != 4) {
            push(x - 1, y, 3);
        }
        if (x < area.right - 1 && entry.direction != 3) {
            push(x + 1, y, 4);
        }
    }
    region.bounds = {left, upper, right + 1, lower + 1};
    return region;
}
