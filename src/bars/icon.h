#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <vector>

#include "model/dib_section.h"
#include "model/display_pixel.h"
#include "model/geometry.h"

// A picture of the interface at two scales, 1x and 2x, each an 8-bit palette
// surface with an opacity per palette entry, read from palette PNG files.
class CIcon {
public:
    // Reads both pictures; false (and the icon stays empty) when either is
    // not a palette PNG.
    bool Load(std::span<const uint8_t> png1x, std::span<const uint8_t> png2x);

    // The picture for a display scale: the 2x one from scale 2 up.
    const CDibSection& GetImage(int scale) const { return Pick(scale).image; }
    CSize GetSize(int scale) const;

    // Copies the opaque pixels (opacity at least half) into an on-screen
    // surface with the picture's top-left corner at the point, clipped to
    // the surface.
    void Draw(CDibSection& target, CPoint topLeft, int scale) const;
    // Every pixel as 0xAARRGGBB with its full opacity, rows from the top.
    std::vector<uint32_t> GetArgbPixels(int scale) const;

private:
    struct SPicture {
        CDibSection image;
        std::array<DisplayPixel, 256> colors{};
        std::array<uint8_t, 256> alphas{};
    };

    const SPicture& Pick(int scale) const { return m_pictures[scale >= 2 ? 1 : 0]; }
    static bool LoadPicture(std::span<const uint8_t> png, SPicture& picture);

    std::array<SPicture, 2> m_pictures;
};
