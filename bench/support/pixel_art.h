#pragma once

#include <cstdint>
#include <memory>

class CStippleboxData;
class CStippleboxLayer;

// Fills a layer with content shaped like pixel art: a flat background, filled
// and outlined rectangles and discs, and dithered areas. Deterministic for a
// seed.
void PaintPixelArt(CStippleboxLayer& layer, uint32_t seed);

// A document of the size with layerCount layers of such content and a full
// palette.
std::unique_ptr<CStippleboxData> MakePixelArtDocument(int width, int height, int layerCount, uint32_t seed);
