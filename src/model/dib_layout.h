#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>

// The published device-independent bitmap layout, as BMP files and display
// surfaces share it. Fields are little-endian; the structures are copied as
// bytes on little-endian hosts only.
static_assert(std::endian::native == std::endian::little);

struct BITMAPINFOHEADER {
    uint32_t biSize = 40;
    int32_t biWidth = 0;
    int32_t biHeight = 0;  // positive: rows are stored bottom-up
    uint16_t biPlanes = 1;
    uint16_t biBitCount = 0;
    uint32_t biCompression = 0;
    uint32_t biSizeImage = 0;
    int32_t biXPelsPerMeter = 0;
    int32_t biYPelsPerMeter = 0;
    uint32_t biClrUsed = 0;
    uint32_t biClrImportant = 0;
};
static_assert(sizeof(BITMAPINFOHEADER) == 40);

struct RGBQUAD {
    uint8_t rgbBlue = 0;
    uint8_t rgbGreen = 0;
    uint8_t rgbRed = 0;
    uint8_t rgbReserved = 0;
    friend bool operator==(const RGBQUAD&, const RGBQUAD&) = default;
};
static_assert(sizeof(RGBQUAD) == 4);

// Bit count 15 is stored as 16 (5-5-5 without masks).
constexpr int DibStoredBitCount(int bitCount)
{
    return bitCount == 15 ? 16 : bitCount;
}

// Bytes of one row, rounded up to a multiple of 4.
constexpr int DibStride(int width, int bitCount)
{
    return ((width * DibStoredBitCount(bitCount) + 31) / 32) * 4;
}

// The colour count that applies: none above 8 bits.
constexpr int DibColorCount(int bitCount, int colorCount)
{
    return bitCount > 8 ? 0 : colorCount;
}

// A surface's shape: size, row stride, depth and the number of colour-table
// entries.
class CDibShape {
public:
    int GetWidth() const { return m_width; }
    int GetHeight() const { return m_height; }
    int GetStride() const { return m_stride; }
    // As requested: 15 stays 15 although rows hold 16-bit pixels.
    int GetBitCount() const { return m_bitCount; }
    int GetBytesPerPixel() const { return m_bytesPerPixel; }
    // 0 above 8 bits.
    int GetColorCount() const { return m_colorCount; }

protected:
    void SetShape(int width, int height, int bitCount, int colorCount)
    {
        m_width = width;
        m_height = height;
        m_bitCount = bitCount;
        m_stride = DibStride(width, bitCount);
        m_bytesPerPixel = DibStoredBitCount(bitCount) / 8;
        m_colorCount = DibColorCount(bitCount, colorCount);
    }
    // Offset of row y (counted from the top) in the bottom-up pixel rows.
    size_t RowOffset(int y) const { return size_t(m_height - 1 - y) * m_stride; }

private:
    int m_width = 0;
    int m_height = 0;
    int m_stride = 0;
    int m_bitCount = 0;
    int m_bytesPerPixel = 0;
    int m_colorCount = 0;
};
