#pragma once

#include <cstdint>
#include <vector>

#include "model/geometry.h"

// What a flood fill grows over: the displayed picture (palette indices, row
// stride `stride`) and, when the layer has a selection, its mask, which the
// region may not leave.
struct SFillSource {
    const uint8_t* pixels = nullptr;
    int stride = 0;
    const uint8_t* selectionMask = nullptr;  // null: no selection
    CRect selectionRect;
};

// A flood fill's region: a byte mask over the fill area (1 = in the region)
// and the bounding box of its set bytes (empty when there are none).
struct SFillRegion {
    CRect area;
    std::vector<uint8_t> mask;
    CRect bounds;

    uint8_t& At(int x, int y) { return mask[size_t(y - area.top) * area.Width() + (x - area.left)]; }
};

// Grows the 4-connected region of the seed's exact index within the area.
// A seed outside the selection mask gives an empty region. Besides the mask
// it needs only a stack of row spans, which stays small for pictures of
// flat areas. The mask grows in zeroedMask when that is an all-zero block of
// the area's size, so a fill kept from the last one costs no clearing of the
// whole area; otherwise a new mask is made.
SFillRegion GrowFillRegion(const SFillSource& source, const CRect& area, CPoint seed,
                           std::vector<uint8_t> zeroedMask = {});
// Clears what the region set in its mask and hands the mask back, all zero
// again, for the next fill.
std::vector<uint8_t> ReleaseRegionMask(SFillRegion& region);

// Keeps only the region's edge: set bytes on the area's border or with an
// unset neighbour among their four.
void KeepInnerEdge(SFillRegion& region);
// Replaces the region by the ring of unset bytes beside it (four
// neighbours, within the area); the bounds grow by one pixel on every side.
void MakeOuterEdge(SFillRegion& region);
