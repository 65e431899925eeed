#pragma once

#include <cstdint>
#include <vector>

#include "model/stipplebox_palette.h"

class CImageEditWnd;

// The picture the canvas shows, pixel by pixel, as colours of the current
// palette: what the user sees, whatever the indices behind it.
std::vector<SPaletteColor> GetCompositeColors(CImageEditWnd& canvas);
