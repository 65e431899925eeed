#pragma once

#include <cstdint>
#include <vector>

#include "model/geometry.h"

// The pixel procedures behind the canvas-wide effects. Each works on a block
// of width × height palette indices (row-major, top row first) with a mask of
// the same size (non-zero = selected) that moves with the pixels.

// Reverses every row, pixels and mask alike. A null mask is left out.
void FlipHorizontal(uint8_t* pixels, int width, int height, uint8_t* mask);
// Reverses every column, pixels and mask alike. A null mask is left out.
void FlipVertical(uint8_t* pixels, int width, int height, uint8_t* mask);

// A block made by a resizing procedure. Pixels whose mask byte is 0 came from
// nowhere and hold 0.
struct STransformedBlock {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> pixels;
    std::vector<uint8_t> mask;
};

// Nearest-pixel scaling to newWidth × newHeight.
STransformedBlock ScaleNearest(const uint8_t* pixels, int width, int height, const uint8_t* mask, int newWidth,
                               int newHeight);

// The output size of a rotation by angle degrees: the bounding box of the
// document's corners (grown by 5 pixels) turned about the origin.
CSize GetRotatedSize(CSize document, float angle);
// Rotation by angle degrees, counter-clockwise on screen, about the block's
// centre, into a block of GetRotatedSize(document, angle). Quarter turns are
// exact.
STransformedBlock Rotate(const uint8_t* pixels, int width, int height, const uint8_t* mask, float angle,
                         CSize document);

// Which part of the old canvas survives a change of canvas size, and where it
// goes: the anchor (0..8) is a cell of a 3 × 3 grid, column anchor % 3 and
// row anchor / 3 (left/top, centre, right/bottom).
struct SCanvasResizePlacement {
    CRect source;       // in old canvas coordinates
    CRect destination;  // the same size, in new canvas coordinates
};
SCanvasResizePlacement PlaceResizedCanvas(CSize oldSize, CSize newSize, int anchor);
