#include "tools/selection_mask.h"

#include <cstring>

#include "tools/fill_region.h"

namespace {

enum : uint8_t { kOutside = 0, kSelected = 1, kUndecided = 2 };

}  // namespace

std::vector<uint8_t> MakeOutlineMask(const std::vector<CPoint>& points, const CRect& rect)
{
    const int width = rect.Width();
    const int height = rect.Height();
    std::vector<uint8_t> cells(size_t(width) * size_t(height), kUndecided);
    for (const CPoint& point : points) {
        cells[size_t(point.y - rect.top) * width + (point.x - rect.left)] = kSelected;
    }
    // Whatever the border reaches lies outside; every other undecided cell
    // is enclosed.
    std::vector<size_t> stack;
    const auto reach = [&](size_t cell) {
        if (cells[cell] == kUndecided) {
            cells[cell] = kOutside;
            stack.push_back(cell);
        }
    };
    for (int x = 0; x < width; ++x) {
        reach(size_t(x));
        reach(size_t(height - 1) * width + x);
    }
    for (int y = 0; y < height; ++y) {
        reach(size_t(y) * width);
        reach(size_t(y) * width + width - 1);
    }
    while (!stack.empty()) {
        const size_t cell = stack.back();
        stack.pop_back();
        const size_t x = cell % width;
        if (x > 0) {
            reach(cell - 1);
        }
        if (x + 1 < size_t(width)) {
            reach(cell + 1);
        }
        if (cell >= size_t(width)) {
            reach(cell - width);
        }
        if (cell + width < cells.size()) {
            reach(cell + width);
        }
    }
    for (uint8_t& cell : cells) {
        cell = cell == kOutside ? 0 : 1;
    }
    return cells;
}

std::vector<uint8_t> MakeColorMask(const uint8_t* pixels, CSize size, const std::array<bool, 256>& marked)
{
    std::array<uint8_t, 256> flags{};
    for (int i = 0; i < 256; ++i) {
        flags[i] = marked[i] ? 1 : 0;
    }
    std::vector<uint8_t> mask(size_t(size.cx) * size_t(size.cy));
    for (size_t i = 0; i < mask.size(); ++i) {
        mask[i] = flags[pixels[i]];
    }
    return mask;
}

CRect FindMaskBounds(const std::vector<uint8_t>& mask, const CRect& rect)
{
    const int width = rect.Width();
    CRect bounds{width, rect.Height(), 0, 0};
    for (int y = 0; y < rect.Height(); ++y) {
        const uint8_t* row = mask.data() + size_t(y) * width;
        const uint8_t* first = static_cast<const uint8_t*>(std::memchr(row, 1, size_t(width)));
        if (first == nullptr) {
            continue;
        }
        int last = width - 1;
        while (row[last] != 1) {
            --last;
        }
        bounds = {std::min(bounds.left, int(first - row)), std::min(bounds.top, y), std::max(bounds.right, last + 1),
                  y + 1};
    }
    if (bounds.IsRectEmpty()) {
        return {};
    }
    bounds.OffsetRect(rect.left, rect.top);
    return bounds;
}

void CropMaskTo(std::vector<uint8_t>& mask, CRect& rect, const CRect& bounds)
{
    if (bounds == rect) {
        return;
    }
    std::vector<uint8_t> cropped(size_t(bounds.Width()) * size_t(bounds.Height()));
    for (int y = bounds.top; y < bounds.bottom; ++y) {
        std::memcpy(&cropped[size_t(y - bounds.top) * bounds.Width()],
                    &mask[size_t(y - rect.top) * rect.Width() + (bounds.left - rect.left)], size_t(bounds.Width()));
    }
    mask = std::move(cropped);
    rect = bounds;
}

void CropMask(std::vector<uint8_t>& mask, CRect& rect, bool boundsOnly)
{
    const CRect bounds = FindMaskBounds(mask, rect);
    if (bounds.IsRectEmpty()) {
        if (!boundsOnly) {
            std::vector<uint8_t>().swap(mask);
        }
        rect = {};
    } else if (boundsOnly) {
        rect = bounds;
    } else {
        CropMaskTo(mask, rect, bounds);
    }
}

SSelectionMask MakeSameColorSelection(const uint8_t* pixels, CSize size, CPoint seed)
{
    const CRect picture{0, 0, size.cx, size.cy};
    SFillRegion region = GrowFillRegion({pixels, size.cx, nullptr, {}}, picture, seed);
    SSelectionMask selection{std::move(region.mask), picture};
    CropMaskTo(selection.mask, selection.rect, region.bounds);
    return selection;
}

SSelectionMask MakeColorSelection(const uint8_t* pixels, CSize size, const std::array<bool, 256>& marked)
{
    SSelectionMask selection{MakeColorMask(pixels, size, marked), {0, 0, size.cx, size.cy}};
    CropMask(selection.mask, selection.rect, false);
    return selection;
}
