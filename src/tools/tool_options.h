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
};
