#pragma once

#include <cstdint>

// One pixel of what the program shows on screen: 8 bits a channel, laid out
// X8R8G8B8 (blue in the lowest byte, the top byte 0) as the rows of a 32-bit
// DIB and the toolkit's RGB32 images hold it. Every window paints into
// surfaces of this depth, so a palette colour reaches the screen exactly.
using DisplayPixel = uint32_t;

// The bit count of every on-screen surface.
inline constexpr int kDisplayBitCount = 32;

constexpr DisplayPixel MakeDisplayPixel(uint8_t red, uint8_t green, uint8_t blue)
{
    return DisplayPixel(red) << 16 | DisplayPixel(green) << 8 | DisplayPixel(blue);
}

constexpr uint8_t DisplayRed(DisplayPixel pixel)
{
    return uint8_t(pixel >> 16);
}

constexpr uint8_t DisplayGreen(DisplayPixel pixel)
{
    return uint8_t(pixel >> 8);
}

constexpr uint8_t DisplayBlue(DisplayPixel pixel)
{
    return uint8_t(pixel);
}

// Every channel inverted; the unused top byte stays 0.
constexpr DisplayPixel InvertDisplayPixel(DisplayPixel pixel)
{
    return ~pixel & 0x00FFFFFFu;
}

inline constexpr DisplayPixel kDisplayBlack = MakeDisplayPixel(0, 0, 0);
inline constexpr DisplayPixel kDisplayWhite = MakeDisplayPixel(255, 255, 255);
