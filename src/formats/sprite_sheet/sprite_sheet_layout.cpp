#include "formats/sprite_sheet/sprite_sheet_layout.h"

#include <algorithm>

SSpriteSheetLayout SSpriteSheetLayout::Make(CSize frameSize, int frameCount, int columns, int padding)
{
    SSpriteSheetLayout layout;
    layout.frameSize = frameSize;
    layout.frameCount = frameCount;
    layout.columns = columns <= 0 ? std::max(frameCount, 1) : std::clamp(columns, 1, std::max(frameCount, 1));
    layout.padding = std::clamp(padding, 0, kMaxPadding);
    return layout;
}

bool SSpriteSheetLayout::IsWithinLimits() const
{
    const int64_t rows = GetRows();
    const int64_t width = int64_t{columns} * frameSize.cx + int64_t{columns - 1} * padding;
    const int64_t height = rows * frameSize.cy + (rows - 1) * padding;
    return width <= kMaxSheetSide && height <= kMaxSheetSide && width * height <= kMaxSheetPixels;
}

CSize SSpriteSheetLayout::GetSheetSize() const
{
    const int rows = GetRows();
    return {columns * frameSize.cx + (columns - 1) * padding, rows * frameSize.cy + (rows - 1) * padding};
}

CRect SSpriteSheetLayout::GetFrameRect(int frame) const
{
    const int left = (frame % columns) * (frameSize.cx + padding);
    const int top = (frame / columns) * (frameSize.cy + padding);
    return {left, top, left + frameSize.cx, top + frameSize.cy};
}
