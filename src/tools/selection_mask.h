#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "model/geometry.h"

// Masks of new selections: a byte per pixel of a rectangle, row-major,
// 1 = selected.
struct SSelectionMask {
    std::vector<uint8_t> mask;
    CRect rect;  // empty, with no mask, when nothing is selected
};

// The 4-connected region of the seed's index in a picture (width × height
// indices), cropped to its bounding box; the seed must lie in the picture.
SSelectionMask MakeSameColorSelection(const uint8_t* pixels, CSize size, CPoint seed);

// Every pixel of a picture whose index is marked, connected or not, cropped
// to their bounding box.
SSelectionMask MakeColorSelection(const uint8_t* pixels, CSize size, const std::array<bool, 256>& marked);

// The outline points (all inside the rectangle) with every pocket they
// enclose: the cells that cannot reach the rectangle's border without
// crossing the outline. A self-crossing outline selects each of its loops.
std::vector<uint8_t> MakeOutlineMask(const std::vector<CPoint>& points, const CRect& rect);

// The pixels of a picture (width × height indices) whose index is marked.
std::vector<uint8_t> MakeColorMask(const uint8_t* pixels, CSize size, const std::array<bool, 256>& marked);

// The bounding rectangle, inside `rect`, of the mask bytes equal to 1; empty
// when there are none.
CRect FindMaskBounds(const std::vector<uint8_t>& mask, const CRect& rect);

// Copies the part of the mask (laid over rect) that lies in bounds, and
// makes bounds the mask's rectangle.
void CropMaskTo(std::vector<uint8_t>& mask, CRect& rect, const CRect& bounds);

// Narrows the mask to the bounding rectangle of its bytes equal to 1. With
// boundsOnly only the rectangle is narrowed. With no such byte the rectangle
// becomes empty and, unless boundsOnly, the mask is released.
void CropMask(std::vector<uint8_t>& mask, CRect& rect, bool boundsOnly);
