#include "model/onion_skin_colors.h"

#include "model/stipplebox_palette.h"

COnionSkinColors::COnionSkinColors(const CStippleboxPalette& palette, uint8_t transparent)
    : m_colors(palette.GetDisplayPixels()), m_transparent(transparent)
{
    const SPaletteColor& t = palette.GetColor(transparent);
    for (int i = 0; i < palette.GetCount(); ++i) {
        const SPaletteColor& c = palette.GetColor(i);
        const SPaletteColor mean{static_cast<uint8_t>((c.blue + t.blue) >> 1),
                                 static_cast<uint8_t>((c.green + t.green) >> 1),
                                 static_cast<uint8_t>((c.red + t.red) >> 1)};
        m_faint[i] = mean.ToDisplayPixel();
    }
}

void COnionSkinColors::ConvertRow(const uint8_t* displayed, const uint8_t* behind, int count, DisplayPixel* out) const
{
    for (int i = 0; i < count; ++i) {
        out[i] = Get(displayed[i], behind[i]);
    }
}
