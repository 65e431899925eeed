#include "model/bmp_dc.h"

#include <algorithm>
#include <cassert>
#include <cstring>

#include "model/dib_section.h"

int CBmpDC::SetDIBColorTable(int first, int count, const RGBQUAD* colors)
{
    const int set = std::clamp(m_surface.GetColorCount() - first, 0, count);
    m_surface.SetColorTable(first, set, colors);
    return set;
}

int CBmpDC::GetDIBColorTable(int first, int count, RGBQUAD* colors) const
{
    const int got = std::clamp(m_surface.GetColorCount() - first, 0, count);
    m_surface.GetColorTable(first, got, colors);
    return got;
}

void CBmpDC::FillSolidRect(const CRect& rect, DisplayPixel color)
{
    assert(m_surface.GetBitCount() == kDisplayBitCount);
    CRect clipped;
    if (!clipped.IntersectRect(rect, m_surface.GetRect())) {
        return;
    }
    for (int y = clipped.top; y < clipped.bottom; ++y) {
        std::fill_n(m_surface.GetDisplayRow(y) + clipped.left, clipped.Width(), color);
    }
}

void CBmpDC::BitBlt(int x, int y, int width, int height, const CDibSection& source, int sourceX, int sourceY)
{
    assert(m_surface.GetBitCount() == source.GetBitCount());
    // Clip against the source, then the target, moving both origins together.
    const int bytes = m_surface.GetBytesPerPixel();
    const int left = std::max({0, -sourceX, -x});
    const int top = std::max({0, -sourceY, -y});
    const int right = std::min({width, source.GetWidth() - sourceX, m_surface.GetWidth() - x});
    const int bottom = std::min({height, source.GetHeight() - sourceY, m_surface.GetHeight() - y});
    if (right <= left || bottom <= top) {
        return;
    }
    for (int row = top; row < bottom; ++row) {
        std::memcpy(m_surface.GetRow(y + row) + (x + left) * bytes,
                    source.GetRow(sourceY + row) + (sourceX + left) * bytes, size_t(right - left) * bytes);
    }
}
