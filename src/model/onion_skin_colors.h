#pragma once

#include <array>
#include <cstdint>

class CStippleboxPalette;

// The 16-bit colours of the onion-skin display: the current layer, with the
// layer behind it showing faintly through the current layer's transparent
// pixels as the mean of its colour and the transparent colour.
class COnionSkinColors {
public:
    COnionSkinColors(const CStippleboxPalette& palette, uint8_t transparent);

    // The colour of a pixel whose displayed index is `displayed` over the
    // index `behind` of the layer behind.
    uint16_t Get(uint8_t displayed, uint8_t behind) const
    {
        return displayed == m_transparent && behind != m_transparent ? m_faint[behind] : m_colors[displayed];
    }
    // Converts a run of pixels.
    void ConvertRow(const uint8_t* displayed, const uint8_t* behind, int count, uint16_t* out) const;

private:
    const uint16_t* m_colors;
    uint8_t m_transparent;
    std::array<uint16_t, 256> m_faint{};
};
