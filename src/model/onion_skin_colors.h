#pragma once

#include <array>
#include <cstdint>

#include "model/display_pixel.h"

class CStippleboxPalette;

// The display colours of the onion-skin display: the current layer, with the
// layer behind it showing faintly through the current layer's transparent
// pixels as the mean of its colour and the transparent colour.
class COnionSkinColors {
public:
    COnionSkinColors(const CStippleboxPalette& palette, uint8_t transparent);

    // The colour of a pixel whose displayed index is `displayed` over the
    // index `behind` of the layer behind.
    DisplayPixel Get(uint8_t displayed, uint8_t behind) const
    {
        return displayed == m_transparent && behind != m_transparent ? m_faint[behind] : m_colors[displayed];
    }
    // Converts a run of pixels.
    void ConvertRow(const uint8_t* displayed, const uint8_t* behind, int count, DisplayPixel* out) const;

private:
    const DisplayPixel* m_colors;
    uint8_t m_transparent;
    std::array<DisplayPixel, 256> m_faint{};
};
