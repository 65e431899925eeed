#include "model/dib_section.h"

#include <algorithm>

bool CDibSection::Create(int width, int height, int bitCount, int colorCount)
{
    *this = CDibSection();
    switch (bitCount) {
    case 8:
    case 15:
    case 16:
    case 24:
    case 32:
        break;
    default:
        return false;
    }
    if (width <= 0 || height <= 0) {
        return false;
    }
    m_width = width;
    m_height = height;
    m_bitCount = bitCount;
    m_stride = DibStride(width, bitCount);
    m_bytesPerPixel = DibStoredBitCount(bitCount) / 8;
    m_colorCount = DibColorCount(bitCount, colorCount);
    m_colorTable.assign(m_colorCount, RGBQUAD{});
    m_bits.assign(size_t(m_stride) * height, 0);
    return true;
}

void CDibSection::SetColorTable(int first, int count, const RGBQUAD* colors)
{
    for (int i = 0; i < count && first + i < m_colorCount; ++i) {
        m_colorTable[first + i] = colors[i];
    }
}

void CDibSection::GetColorTable(int first, int count, RGBQUAD* colors) const
{
    for (int i = 0; i < count && first + i < m_colorCount; ++i) {
        colors[i] = m_colorTable[first + i];
    }
}
