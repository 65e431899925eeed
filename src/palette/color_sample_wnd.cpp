#include "palette/color_sample_wnd.h"

#include "model/bmp_dc.h"
#include "palette/display_frame.h"

void CColorSampleWnd::SetColor(const SPaletteColor& color)
{
    if (!(color == m_color)) {
        m_color = color;
        Paint();
    }
}

void CColorSampleWnd::OnSize(int width, int height)
{
    if (width > 0 && height > 0) {
        m_backBuffer.Create(width, height, kDisplayBitCount, 0);
        Paint();
    }
}

void CColorSampleWnd::Paint()
{
    if (!m_backBuffer.IsCreated()) {
        return;
    }
    CBmpDC(m_backBuffer).FillSolidRect(m_backBuffer.GetRect(), m_color.ToDisplayPixel());
    FrameDisplayRect(m_backBuffer, m_backBuffer.GetRect(), 1, MakeDisplayPixel(0x80, 0x80, 0x80));
    Present(m_backBuffer.GetRect());
}
