#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "model/dib_layout.h"

class CDibSection;

// A device-independent bitmap in one heap block: the 40-byte header, the
// colour table (or the three 5-6-5 masks at 16 bits), then the rows, bottom
// row first. Used for small display pictures such as colour strips and
// layer thumbnails.
class CDib : public CDibShape {
public:
    virtual ~CDib() = default;

    // Accepts bit counts 1, 4, 8, 15, 16, 24 and 32; returns false (and stays
    // empty) for any other. The block is zero-filled.
    bool Create(int width, int height, int bitCount, int colorCount);

    // Copies the whole bitmap 1:1 to (x, y) of a display surface, clipped.
    void Draw(CDibSection& target, int x, int y) const;
    // Scales the source rectangle to the destination rectangle (nearest
    // pixel) on a display surface, clipped to the surface.
    void StretchDraw(CDibSection& target, int x, int y, int width, int height, int sourceX, int sourceY,
                     int sourceWidth, int sourceHeight) const;

    const uint8_t* GetBlock() const { return m_block.data(); }
    size_t GetBlockSize() const { return m_block.size(); }
    uint8_t* GetBits() { return m_block.data() + m_bitsOffset; }
    const uint8_t* GetBits() const { return m_block.data() + m_bitsOffset; }
    // The RGBQUAD table, or the three masks as 32-bit values; null when neither.
    uint32_t* GetColorTable();
    const uint32_t* GetColorTable() const;
    RGBQUAD* GetRgbQuads() { return reinterpret_cast<RGBQUAD*>(GetColorTable()); }
    const RGBQUAD* GetRgbQuads() const { return reinterpret_cast<const RGBQUAD*>(GetColorTable()); }

    // Pixel (x, y) with y = 0 the top row.
    uint8_t* GetPixelAddress(int x, int y) { return GetBits() + RowOffset(y) + x * GetBytesPerPixel(); }

private:
    std::vector<uint8_t> m_block;
    size_t m_bitsOffset = 0;
    size_t m_tableOffset = 0;  // 0 when there is no table
};
