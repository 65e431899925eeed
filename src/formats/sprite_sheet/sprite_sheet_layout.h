#pragma once

#include <cstdint>

#include "model/geometry.h"

// Where the frames of a sprite sheet lie: cells of the frame size in rows of
// a number of columns, left to right and top to bottom, with padding pixels
// between neighbouring cells (none around the sheet).
struct SSpriteSheetLayout {
    static constexpr int kMaxPadding = 64;
    // Larger sheets are refused: most readers of pictures give up long before.
    static constexpr int64_t kMaxSheetSide = 1 << 20;
    static constexpr int64_t kMaxSheetPixels = int64_t{1} << 30;

    CSize frameSize;
    int frameCount = 0;
    int columns = 1;
    int padding = 0;

    // Columns 0 (or more than there are frames) put every frame in one row.
    static SSpriteSheetLayout Make(CSize frameSize, int frameCount, int columns, int padding);

    // Whether the sheet stays within the limits above.
    bool IsWithinLimits() const;
    int GetRows() const { return (frameCount + columns - 1) / columns; }
    CSize GetSheetSize() const;
    // The frame's cell in sheet pixels (right and bottom exclusive).
    CRect GetFrameRect(int frame) const;
};
