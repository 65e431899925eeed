#include "support/composite_colors.h"

#include "model/stipplebox_data.h"
#include "views/image_edit_wnd.h"

std::vector<SPaletteColor> GetCompositeColors(CImageEditWnd& canvas)
{
    const CLayerCache& cache = canvas.GetLayerCache();
    const CStippleboxPalette& palette = *canvas.GetDocument()->GetCurrentPalette();
    std::vector<SPaletteColor> colors;
    colors.reserve(size_t(cache.GetWidth()) * size_t(cache.GetHeight()));
    for (int i = 0; i < cache.GetWidth() * cache.GetHeight(); ++i) {
        colors.push_back(palette.GetColor(cache.GetPixels()[i]));
    }
    return colors;
}
