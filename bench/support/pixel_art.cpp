#include "support/pixel_art.h"

#include <algorithm>
#include <random>

#include "model/stipplebox_data.h"

namespace {

void FillShape(CStippleboxLayer& layer, int left, int top, int size, bool disc, uint8_t fill, uint8_t outline,
               bool dithered)
{
    const int cx = left + size / 2;
    const int cy = top + size / 2;
    const int r2 = (size / 2) * (size / 2);
    const int inner2 = (size / 2 - 1) * (size / 2 - 1);
    for (int y = std::max(top, 0); y < std::min(top + size, layer.GetHeight()); ++y) {
        for (int x = std::max(left, 0); x < std::min(left + size, layer.GetWidth()); ++x) {
            const int d2 = (x - cx) * (x - cx) + (y - cy) * (y - cy);
            const bool inside = disc ? d2 <= r2 : true;
            const bool edge = disc ? d2 > inner2 : (x == left || y == top || x == left + size - 1 || y == top + size - 1);
            if (!inside) {
                continue;
            }
            if (edge) {
                layer.SetPixel(x, y, outline);
            } else if (!dithered || ((x + y) & 1) == 0) {
                layer.SetPixel(x, y, fill);
            }
        }
    }
}

}  // namespace

void PaintPixelArt(CStippleboxLayer& layer, uint32_t seed)
{
    std::mt19937 random(seed);
    layer.Fill(static_cast<uint8_t>(random() % 16));
    const int shapes = std::max(1, layer.GetWidth() * layer.GetHeight() / 6000);
    for (int i = 0; i < shapes; ++i) {
        const int size = 4 + static_cast<int>(random() % 60);
        FillShape(layer, static_cast<int>(random() % layer.GetWidth()) - size / 2,
                  static_cast<int>(random() % layer.GetHeight()) - size / 2, size, random() % 2 == 0,
                  static_cast<uint8_t>(16 + random() % 64), static_cast<uint8_t>(random() % 4),
                  random() % 4 == 0);
    }
}

std::unique_ptr<CStippleboxData> MakePixelArtDocument(int width, int height, int layerCount, uint32_t seed)
{
    auto document = std::make_unique<CStippleboxData>();
    document->Create(width, height);
    for (int i = 1; i < layerCount; ++i) {
        document->GetLayers()->NewLayer(i, width, height);
    }
    for (int i = 0; i < layerCount; ++i) {
        PaintPixelArt(*document->GetLayers()->GetAt(i), seed + static_cast<uint32_t>(i));
    }
    CStippleboxPalette& palette = *document->GetCurrentPalette();
    for (int e = 0; e < CStippleboxPalette::kEntryCount; ++e) {
        const auto v = static_cast<uint8_t>(e);
        palette.SetColor(e, {v, static_cast<uint8_t>(v * 3), static_cast<uint8_t>(v * 7)});
    }
    return document;
}
