#pragma once

// The options that every tool shares for the program's run. Only pick by
// long press is kept between runs.
struct SToolOptions {
    bool snapToGrid = false;
    // One-shot: the next tap picks the drawing colour instead of drawing.
    bool eyedropper = false;
    // Holding the pointer still at the start of a stroke picks the colour.
    bool pickByLongPress = false;
    // The background colour of moved and dropped selections lets the
    // picture beneath show.
    bool transparentSelection = false;
    // What a drag in the palette grid does with the colours: 0 nothing,
    // 1 copy, 2 swap, 3 insert-move.
    int paletteDragOption = 0;
    // Reordering palette entries renumbers the picture so that it looks the
    // same.
    bool keepLook = false;
    // Freehand strokes of pen size 1 without tone lose the middle pixel of
    // every L-shaped corner.
    bool pixelPerfect = false;
};
