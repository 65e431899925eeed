#include "model/palette_gradation.h"

#include <vector>

#include "model/stipplebox_palette.h"

namespace {

uint8_t Blend(uint8_t from, uint8_t to, float t)
{
    return static_cast<uint8_t>(float(from) - float(from - to) * t);
}

}  // namespace

void ApplyGradation(CStippleboxPalette& palette, const uint8_t* mask)
{
    std::vector<int> marked;
    for (int i = 0; i < palette.GetCount(); ++i) {
        if (mask[i] != 0) {
            marked.push_back(i);
        }
    }
    const SPaletteColor first = palette.GetColor(marked.front());
    const SPaletteColor last = palette.GetColor(marked.back());
    const float steps = float(marked.size() - 1);
    for (size_t k = 0; k < marked.size(); ++k) {
        const float t = float(k) / steps;
        palette.SetColor(marked[k], {Blend(first.blue, last.blue, t), Blend(first.green, last.green, t),
                                     Blend(first.red, last.red, t)});
    }
}
