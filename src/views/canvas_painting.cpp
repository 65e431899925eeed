#include "views/canvas_painting.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "model/dib_section.h"

namespace {

constexpr DisplayPixel kGridColor = kDisplayBlack;

}  // namespace

void ConvertIndicesToColors(const DisplayPixel* colors, const uint8_t* indices, int count, DisplayPixel* out)
{
    // Pixel art is mostly runs of one index: eight equal indices take one
    // lookup and a block fill, which is what makes a whole repaint cheap.
    constexpr uint64_t kEveryByte = 0x0101010101010101;
    int i = 0;
    for (; i + 8 <= count; i += 8) {
        uint64_t eight = 0;
        std::memcpy(&eight, indices + i, sizeof eight);
        const uint8_t first = indices[i];
        if (eight == first * kEveryByte) {
            std::fill_n(out + i, 8, colors[first]);
            continue;
        }
        for (int k = i; k < i + 8; ++k) {
            out[k] = colors[indices[k]];
        }
    }
    for (; i < count; ++i) {
        out[i] = colors[indices[i]];
    }
}

void PaintPicture(CDibSection& buffer, const SCanvasLayout& layout, const CRect& rect, const CRowColorizer& colorize,
                  EGridLines gridLines)
{
    const int width = rect.Width();
    if (width <= 0) {
        return;
    }
    const int zoom = layout.zoom;
    if (zoom == 1) {
        for (int y = rect.top; y < rect.bottom; ++y) {
            const CPoint origin = layout.BlockOrigin(rect.left, y);
            colorize(y, rect.left, width, buffer.GetDisplayRow(origin.y) + origin.x);
        }
        return;
    }
    const int inset = layout.PictureInset();
    const int side = zoom - inset;
    const bool drawGrid = layout.pixelGrid && gridLines == EGridLines::kRedraw;
    // Whole rows can be copied unless grid lines between the blocks must stay.
    const bool copyRows = !layout.pixelGrid || drawGrid;
    const size_t rowBytes = sizeof(DisplayPixel) * size_t(width) * size_t(zoom);
    std::vector<DisplayPixel> colors(size_t(width), 0);
    for (int y = rect.top; y < rect.bottom; ++y) {
        colorize(y, rect.left, width, colors.data());
        const CPoint origin = layout.BlockOrigin(rect.left, y);
        if (drawGrid) {
            std::fill_n(buffer.GetDisplayRow(origin.y) + origin.x, size_t(width) * size_t(zoom), kGridColor);
        }
        DisplayPixel* first = buffer.GetDisplayRow(origin.y + inset) + origin.x;
        for (int i = 0; i < width; ++i) {
            if (drawGrid) {
                first[i * zoom] = kGridColor;
            }
            std::fill_n(first + i * zoom + inset, side, colors[i]);
        }
        for (int row = 1; row < side; ++row) {
            DisplayPixel* target = buffer.GetDisplayRow(origin.y + inset + row) + origin.x;
            if (copyRows) {
                std::memcpy(target, first, rowBytes);
                continue;
            }
            for (int i = 0; i < width; ++i) {
                const int offset = i * zoom + inset;
                std::memcpy(target + offset, first + offset, sizeof(DisplayPixel) * size_t(side));
            }
        }
    }
}

void PaintPixelBlock(CDibSection& buffer, const SCanvasLayout& layout, CPoint pixel, DisplayPixel color)
{
    const CPoint origin = layout.BlockOrigin(pixel.x, pixel.y);
    const int inset = layout.zoom == 1 ? 0 : layout.PictureInset();
    const int side = layout.zoom - inset;
    for (int row = 0; row < side; ++row) {
        std::fill_n(buffer.GetDisplayRow(origin.y + inset + row) + origin.x + inset, side, color);
    }
}

void PaintIntervalGrid(CDibSection& buffer, const SCanvasLayout& layout, const CRect& rect, CSize interval,
                       const CDashPattern& pattern)
{
    const int zoom = layout.zoom;
    for (int y = rect.top; y < rect.bottom; ++y) {
        if (y % interval.cy != 0) {
            continue;
        }
        const CPoint origin = layout.BlockOrigin(rect.left, y);
        DisplayPixel* line = buffer.GetDisplayRow(origin.y) + origin.x;
        for (int i = 0; i < rect.Width() * zoom; ++i) {
            line[i] = pattern[(zoom * rect.left + i) & 7];
        }
    }
    for (int x = rect.left; x < rect.right; ++x) {
        if (x % interval.cx != 0) {
            continue;
        }
        const CPoint origin = layout.BlockOrigin(x, rect.top);
        for (int i = 0; i < rect.Height() * zoom; ++i) {
            buffer.GetDisplayRow(origin.y + i)[origin.x] = pattern[(zoom * rect.top + i) & 7];
        }
    }
}
