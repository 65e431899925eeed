#pragma once

#include <cstdint>
#include <functional>

#include "model/display_pixel.h"
#include "model/geometry.h"
#include "model/selection_frame_drawing.h"

class CDibSection;

// Where the image lands in a window's back buffer: image pixel (x, y) covers
// the zoom × zoom block whose top-left is ((x − scroll x) × zoom,
// (y − scroll y) × zoom). With the pixel grid the block's top row and left
// column belong to the grid and the picture keeps to the rest.
struct SCanvasLayout {
    int zoom = 1;
    CPoint scroll;
    bool pixelGrid = false;

    CPoint BlockOrigin(int x, int y) const { return {(x - scroll.x) * zoom, (y - scroll.y) * zoom}; }
    int PictureInset() const { return pixelGrid ? 1 : 0; }
};

// The display colours of `count` palette indices through the palette's 256
// display colours.
void ConvertIndicesToColors(const DisplayPixel* colors, const uint8_t* indices, int count, DisplayPixel* out);

// Writes the display colours of `count` image pixels of row y from column
// `left` on.
using CRowColorizer = std::function<void(int y, int left, int count, DisplayPixel* out)>;

// What the picture does with the pixel grid's lines in its blocks: leave
// them as they are (a partial refresh), or draw them too, in black.
enum class EGridLines { kKeep, kRedraw };

// Paints the image pixels of the rectangle, each as its block (or the part of
// it the pixel grid leaves). The rectangle must lie in the visible part.
void PaintPicture(CDibSection& buffer, const SCanvasLayout& layout, const CRect& rect, const CRowColorizer& colorize,
                  EGridLines gridLines);
// Paints one image pixel's block (or the part the pixel grid leaves).
void PaintPixelBlock(CDibSection& buffer, const SCanvasLayout& layout, CPoint pixel, DisplayPixel color);
// Draws the dashed lines along the top of every image row and the left of
// every image column that is a multiple of the interval. The dashes are
// anchored to the image, so they stay in place when it scrolls.
void PaintIntervalGrid(CDibSection& buffer, const SCanvasLayout& layout, const CRect& rect, CSize interval,
                       const CDashPattern& pattern);
