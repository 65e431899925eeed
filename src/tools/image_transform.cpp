#include "tools/image_transform.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

void ReverseColumns(uint8_t* block, int width, int height)
{
    if (block == nullptr) {
        return;
    }
    for (int top = 0, bottom = height - 1; top < bottom; ++top, --bottom) {
        std::swap_ranges(block + size_t(top) * width, block + size_t(top + 1) * width,
                         block + size_t(bottom) * width);
    }
}

// Reverses a row of bytes eight at a time from both ends, each group of
// eight turned round in a register.
void ReverseRow(uint8_t* left, uint8_t* right)
{
    while (right - left >= 16) {
        right -= 8;
        uint64_t front;
        uint64_t back;
        std::memcpy(&front, left, 8);
        std::memcpy(&back, right, 8);
        front = __builtin_bswap64(front);
        back = __builtin_bswap64(back);
        std::memcpy(left, &back, 8);
        std::memcpy(right, &front, 8);
        left += 8;
    }
    std::reverse(left, right);
}

void ReverseRows(uint8_t* block, int width, int height)
{
    if (block == nullptr) {
        return;
    }
    for (int y = 0; y < height; ++y) {
        ReverseRow(block + size_t(y) * width, block + size_t(y + 1) * width);
    }
}

// floor() for the coordinates of a rotation, which lie well within an int:
// the same value without a call into the maths library per pixel.
int FloorToInt(double value)
{
    const int truncated = static_cast<int>(value);
    return truncated - (value < truncated ? 1 : 0);
}

STransformedBlock MakeBlock(int width, int height)
{
    STransformedBlock block;
    block.width = width;
    block.height = height;
    block.pixels.assign(size_t(width) * height, 0);
    block.mask.assign(size_t(width) * height, 0);
    return block;
}

// One axis of a canvas resize: the offsets and the count of pixels kept.
struct SAxisPlacement {
    int source;
    int destination;
    int count;
};

SAxisPlacement PlaceAxis(int oldSize, int newSize, int cell)
{
    const auto offset = [cell](int difference) { return cell == 0 ? 0 : cell == 1 ? difference / 2 : difference; };
    if (newSize < oldSize) {
        return {offset(oldSize - newSize), 0, newSize};
    }
    if (newSize > oldSize) {
        return {0, offset(newSize - oldSize), oldSize};
    }
    return {0, 0, oldSize};
}

}  // namespace

void FlipHorizontal(uint8_t* pixels, int width, int height, uint8_t* mask)
{
    ReverseRows(pixels, width, height);
    ReverseRows(mask, width, height);
}

void FlipVertical(uint8_t* pixels, int width, int height, uint8_t* mask)
{
    ReverseColumns(pixels, width, height);
    ReverseColumns(mask, width, height);
}

STransformedBlock ScaleNearest(const uint8_t* pixels, int width, int height, const uint8_t* mask, int newWidth,
                               int newHeight)
{
    STransformedBlock out = MakeBlock(newWidth, newHeight);
    std::vector<int> sourceColumns(newWidth);
    for (int x = 0; x < newWidth; ++x) {
        sourceColumns[x] = std::min(static_cast<int>(double(x) * width / newWidth), width - 1);
    }
    for (int y = 0; y < newHeight; ++y) {
        const int sy = std::min(static_cast<int>(double(y) * height / newHeight), height - 1);
        const size_t sourceRow = size_t(sy) * width;
        const size_t outRow = size_t(y) * newWidth;
        for (int x = 0; x < newWidth; ++x) {
            out.pixels[outRow + x] = pixels[sourceRow + sourceColumns[x]];
            out.mask[outRow + x] = mask[sourceRow + sourceColumns[x]];
        }
    }
    return out;
}

CSize GetRotatedSize(CSize document, float angle)
{
    const double pi = 4.0 * std::atan(1.0);
    const double c = std::cos(angle * pi / 180.0);
    const double s = std::sin(angle * pi / 180.0);
    const double w = document.cx + 5;
    const double h = document.cy + 5;
    const CPoint corners[4] = {
        {0, 0},
        {static_cast<int>(std::trunc(w * c)), static_cast<int>(std::trunc(-w * s))},
        {static_cast<int>(std::trunc(h * s)), static_cast<int>(std::trunc(h * c))},
        {static_cast<int>(std::trunc(h * s + w * c)), static_cast<int>(std::trunc(h * c - w * s))},
    };
    int left = 0, top = 0, right = 0, bottom = 0;
    for (const CPoint& corner : corners) {
        left = std::min(left, corner.x);
        top = std::min(top, corner.y);
        right = std::max(right, corner.x);
        bottom = std::max(bottom, corner.y);
    }
    // Each corner stands for a one-pixel square.
    return {right - left + 1, bottom - top + 1};
}

STransformedBlock Rotate(const uint8_t* pixels, int width, int height, const uint8_t* mask, float angle,
                         CSize document)
{
    const CSize size = GetRotatedSize(document, angle);
    STransformedBlock out = MakeBlock(size.cx, size.cy);

    // Bring the angle into [0, 360); an exact multiple of -360 ends as 360
    // and takes the general path.
    double a = angle;
    // Whole turns counted in floating point: any finite angle is safe.
    const double quotient = std::trunc(std::trunc(a) / 360.0);
    if (a < 0) {
        a += 360.0 * (1 - quotient);
    } else if (a >= 360) {
        a -= 360.0 * quotient;
    }
    const double pi = 4.0 * std::atan(1.0);
    double c = std::cos(-a * pi / 180.0);
    double s = std::sin(-a * pi / 180.0);
    if (a == 0) {
        c = 1, s = 0;
    } else if (a == 90) {
        c = 0, s = -1;
    } else if (a == 180) {
        c = -1, s = 0;
    } else if (a == 270) {
        c = 0, s = 1;
    }

    const double outCentreX = (size.cx - 1) / 2.0;
    const double outCentreY = (size.cy - 1) / 2.0;
    const double sourceCentreX = (width - 1) / 2.0;
    const double sourceCentreY = (height - 1) / 2.0;
    for (int y = 0; y < size.cy; ++y) {
        const double dy = y - outCentreY;
        for (int x = 0; x < size.cx; ++x) {
            const double dx = x - outCentreX;
            const int sx = FloorToInt(dx * c + dy * s + sourceCentreX);
            const int sy = FloorToInt(dy * c - dx * s + sourceCentreY);
            if (sx < 0 || sx >= width || sy < 0 || sy >= height) {
                continue;
            }
            const size_t source = size_t(sy) * width + size_t(sx);
            const size_t target = size_t(y) * size.cx + x;
            out.pixels[target] = pixels[source];
            out.mask[target] = mask[source];
        }
    }
    return out;
}

SCanvasResizePlacement PlaceResizedCanvas(CSize oldSize, CSize newSize, int anchor)
{
    const SAxisPlacement horizontal = PlaceAxis(oldSize.cx, newSize.cx, anchor % 3);
    const SAxisPlacement vertical = PlaceAxis(oldSize.cy, newSize.cy, anchor / 3);
    return {
        {horizontal.source, vertical.source, horizontal.source + horizontal.count, vertical.source + vertical.count},
        {horizontal.destination, vertical.destination, horizontal.destination + horizontal.count,
         vertical.destination + vertical.count},
    };
}
