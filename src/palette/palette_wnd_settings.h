#pragma once

#include <cstdint>

// What the palette window keeps from one opening to the next, beside its
// place; its file is "PaletteWnd".
struct SPaletteWndSettings {
    // 0 RGB, 1 HSV, 2 HLS.
    uint8_t colorSpace = 0;
};
