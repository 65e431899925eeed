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
    SetShape(width, height, bitCount, colorCount);
    m_colorTable.assign(GetColorCount(), RGBQUAD{});
    m_bits.assign(size_t(GetStride()) * height, 0);
    return true;
}

void CDibSection::SetColorTable(int first, int count, const RGBQUAD* colors)
{
    for (int i = 0; i < count && first + i < GetColorCount(); ++i) {
        m_colorTable[first + i] = colors[i];
    }
}

void CDibSection::GetColorTable(int first, int count, RGBQUAD* colors) const
{
    for (int i = 0; i < count && first + i < GetColorCount(); ++i) {
        colors[i] = m_colorTable[first + i];
    }
}
