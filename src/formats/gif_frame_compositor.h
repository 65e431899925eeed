#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "model/geometry.h"

class CGifImageInfo;
class CStippleboxLayer;

// Palette index translations, one entry per index a frame may hold.
using GifIndexMap = std::array<uint8_t, 256>;

// How a frame's indices reach the picture: map, when given, translates them;
// with leaveOutTransparent a transparent frame's transparent pixels keep what
// lies beneath.
struct SGifPlacement {
    const GifIndexMap* map = nullptr;
    bool leaveOutTransparent = false;
};

// Copies the frame's pixels onto the layer with the frame's top-left at
// origin; what falls outside the layer is cut off.
void PlaceGifFrame(const CGifImageInfo& frame, CStippleboxLayer& layer, CPoint origin, SGifPlacement placement);

// The picture a viewer shows while each frame of an animation is on screen:
// frames are drawn over what the earlier ones and their disposal methods
// left, starting from a canvas of the background index. The canvas is a
// layer of the document's size.
class CGifFrameCompositor {
public:
    explicit CGifFrameCompositor(CStippleboxLayer& canvas, uint8_t background);

    // Draws the frame at its place on the screen, its transparent pixels left
    // out, remembering what it covers when its disposal method asks for that.
    void Draw(const CGifImageInfo& frame, const GifIndexMap* map);
    // Applies the drawn frame's disposal method before the next frame: 2
    // clears the frame's area to the background, 3 restores what was there
    // before; 0, 1 and the undefined methods leave the picture as it is.
    void Dispose(const CGifImageInfo& frame);

private:
    CStippleboxLayer& m_canvas;
    uint8_t m_background;
    std::optional<std::vector<uint8_t>> m_beforeFrame;
};
