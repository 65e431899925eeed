#pragma once

#include <cstdint>
#include <vector>

#include "model/dib_layout.h"
#include "model/display_pixel.h"
#include "model/geometry.h"

// A surface the program draws into directly: the back buffers of the windows
// and the pictures of colour lists and tool bars. Laid out like a DIB (rows
// bottom-up, stride a multiple of 4); the platform layer shows sections of the
// display depth (kDisplayBitCount) on screen as they are.
class CDibSection : public CDibShape {
public:
    virtual ~CDibSection() = default;

    // Accepts bit counts 8, 15, 16, 24 and 32; returns false (and stays
    // empty) for any other. Replaces any earlier surface; pixels start at 0.
    bool Create(int width, int height, int bitCount, int colorCount);
    bool IsCreated() const { return !m_bits.empty(); }

    void SetColorTable(int first, int count, const RGBQUAD* colors);
    void GetColorTable(int first, int count, RGBQUAD* colors) const;

    uint8_t* GetBits() { return m_bits.data(); }
    const uint8_t* GetBits() const { return m_bits.data(); }
    CRect GetRect() const { return {0, 0, GetWidth(), GetHeight()}; }

    // Row y counted from the top of the picture.
    uint8_t* GetRow(int y) { return m_bits.data() + RowOffset(y); }
    const uint8_t* GetRow(int y) const { return m_bits.data() + RowOffset(y); }
    // Row y of an on-screen surface (bit count kDisplayBitCount).
    DisplayPixel* GetDisplayRow(int y) { return reinterpret_cast<DisplayPixel*>(GetRow(y)); }
    const DisplayPixel* GetDisplayRow(int y) const { return reinterpret_cast<const DisplayPixel*>(GetRow(y)); }
    uint8_t* GetPixelAddress(int x, int y) { return GetRow(y) + x * GetBytesPerPixel(); }

private:
    std::vector<uint8_t> m_bits;
    std::vector<RGBQUAD> m_colorTable;
};
