#pragma once

#include <cstdint>
#include <optional>
#include <vector>

class CStippleboxPalette;

// An 8-bit palette PNG written with libpng alone into memory, with libpng's
// defaults and the palette's 256 entries, optionally one of them fully
// transparent: the reference the program's PNG writers are measured against.
std::vector<uint8_t> WritePngDirect(const uint8_t* pixels, int width, int height, const CStippleboxPalette& palette,
                                    std::optional<uint8_t> transparentIndex = std::nullopt);
