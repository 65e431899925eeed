#pragma once

#include <array>
#include <cstdint>

#include "model/stipplebox_palette.h"

// The two built-in palettes offered for new documents, as 0xRRGGBB.
extern const std::array<uint32_t, 256> kDefaultPaletteTable;
extern const std::array<uint32_t, 256> kSecondPaletteTable;

void FillPaletteFromTable(CStippleboxPalette& palette, const std::array<uint32_t, 256>& table);
