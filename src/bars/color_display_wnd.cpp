#include "bars/color_display_wnd.h"

#include <algorithm>

#include "model/stipplebox_accessor.h"
#include "model/stipplebox_data.h"
#include "model/stipplebox_palette.h"

namespace {

void Fill(CDibSection& surface, const CRect& rect, DisplayPixel color)
{
    CRect clipped;
    if (clipped.IntersectRect(rect, surface.GetRect())) {
        for (int y = clipped.top; y < clipped.bottom; ++y) {
            std::fill(surface.GetDisplayRow(y) + clipped.left, surface.GetDisplayRow(y) + clipped.right, color);
        }
    }
}

}  // namespace

CRect CColorDisplayWnd::GetSquare(IMainDialog::EColorIndex which) const
{
    // Two squares of two thirds of the height, overlapping by a third.
    const int width = m_buffer.GetWidth();
    const int height = m_buffer.GetHeight();
    const int side = std::max(3, std::min(width, height) * 2 / 3);
    if (which == IMainDialog::kDrawingColor) {
        return {0, 0, side, side};
    }
    return {width - side, height - side, width, height};
}

void CColorDisplayWnd::PaintSquare(const CRect& rect, DisplayPixel color)
{
    Fill(m_buffer, rect, kDisplayBlack);
    Fill(m_buffer, {rect.left + 1, rect.top + 1, rect.right - 1, rect.bottom - 1}, kDisplayWhite);
    Fill(m_buffer, {rect.left + 2, rect.top + 2, rect.right - 2, rect.bottom - 2}, color);
}

void CColorDisplayWnd::Redraw()
{
    if (!m_buffer.IsCreated()) {
        return;
    }
    Fill(m_buffer, m_buffer.GetRect(), m_backdrop);
    if (const CStippleboxData* document = CStippleboxAccessor::GetData()) {
        const CStippleboxPalette& palette = *document->GetCurrentPalette();
        PaintSquare(GetSquare(IMainDialog::kBackgroundColor),
                    palette.GetColor(document->GetBackgroundColor()).ToDisplayPixel());
        PaintSquare(GetSquare(IMainDialog::kDrawingColor),
                    palette.GetColor(document->GetDrawingColor()).ToDisplayPixel());
    }
    Present(m_buffer.GetRect());
}

bool CColorDisplayWnd::HitTest(CPoint point, IMainDialog::EColorIndex& which) const
{
    for (const IMainDialog::EColorIndex square : {IMainDialog::kDrawingColor, IMainDialog::kBackgroundColor}) {
        if (GetSquare(square).PtInRect(point)) {
            which = square;
            return true;
        }
    }
    return false;
}

void CColorDisplayWnd::OnSize(int width, int height)
{
    if (width > 0 && height > 0) {
        m_buffer.Create(width, height, kDisplayBitCount, 0);
        Redraw();
    }
}

void CColorDisplayWnd::OnLButtonDown(unsigned, CPoint point)
{
    IMainDialog::EColorIndex which;
    if (m_buffer.IsCreated() && m_onClick && HitTest(point, which)) {
        m_onClick(which);
    }
}
