#include "palette/color_list_wnd.h"

#include <algorithm>

#include "model/bmp_dc.h"
#include "model/stipplebox_palette.h"

namespace {

constexpr DisplayPixel kGridGrey = MakeDisplayPixel(128, 128, 128);
constexpr int kGridEntries = CColorListWnd::kColumns * CColorListWnd::kColumns;

int FloorDivide(int value, int divisor)
{
    return value >= 0 ? value / divisor : -((-value + divisor - 1) / divisor);
}

}  // namespace

CSize CColorListWnd::FitClientSize(CSize requested)
{
    const int width = std::max(kMinimumCell, requested.cx / kColumns);
    const int height = std::max(kMinimumCell, requested.cy / kColumns);
    return {kColumns * width + 1, kColumns * height + 1};
}

CRect CColorListWnd::GetCellRect(int entry) const
{
    const int left = entry % kColumns * m_cell.cx;
    const int top = entry / kColumns * m_cell.cy;
    return {left, top, left + m_cell.cx + 1, top + m_cell.cy + 1};
}

int CColorListWnd::HitTest(CPoint point) const
{
    const int column = point.x < 0 ? -1 : point.x / m_cell.cx;
    const int row = point.y < 0 ? -1 : point.y / m_cell.cy;
    if (column < 0 || column >= kColumns || row < 0 || row >= kColumns) {
        return -1;
    }
    return column + kColumns * row;
}

int CColorListWnd::HitTestClamped(CPoint point) const
{
    const int row = point.y < 0 ? -1 : point.y / m_cell.cy;
    if (row >= kColumns) {
        return kGridEntries - 1;
    }
    const int column = point.x < 0 ? -1 : point.x / m_cell.cx;
    return std::clamp(column, 0, kColumns - 1) + kColumns * std::clamp(row, 0, kColumns - 1);
}

int CColorListWnd::HitTestOffset(CPoint point) const
{
    return FloorDivide(point.x, m_cell.cx) + kColumns * FloorDivide(point.y, m_cell.cy);
}

void CColorListWnd::OnSize(int width, int height)
{
    const CSize client = FitClientSize({width, height});
    m_cell = {(client.cx - 1) / kColumns, (client.cy - 1) / kColumns};
    m_surface.Create(client.cx, client.cy, kDisplayBitCount, 0);
    RedrawAll();
}

void CColorListWnd::RedrawAll()
{
    if (!m_surface.IsCreated()) {
        return;
    }
    CBmpDC dc(m_surface);
    for (int k = 0; k <= kColumns; ++k) {
        dc.FillSolidRect({0, k * m_cell.cy, m_surface.GetWidth(), k * m_cell.cy + 1}, kGridGrey);
        dc.FillSolidRect({k * m_cell.cx, 0, k * m_cell.cx + 1, m_surface.GetHeight()}, kGridGrey);
    }
    for (int entry = 0; entry < kGridEntries; ++entry) {
        PaintCell(entry);
    }
    PaintMarks(m_surface.GetRect());
    Present(m_surface.GetRect());
}

void CColorListWnd::RedrawEntry(int entry)
{
    if (!m_surface.IsCreated() || entry < 0 || entry >= kGridEntries) {
        return;
    }
    PaintCell(entry);
    PaintMarks(GetCellRect(entry));
    Present(GetCellRect(entry));
}

void CColorListWnd::PaintCell(int entry)
{
    const CStippleboxPalette* palette = GetPalette();
    const bool exists = palette != nullptr && entry < palette->GetCount();
    const CRect cell = GetCellRect(entry);
    const CRect inside{cell.left + 1, cell.top + 1, cell.right - 1, cell.bottom - 1};
    CBmpDC dc(m_surface);
    dc.FillSolidRect(inside, exists ? palette->GetColor(entry).ToDisplayPixel() : kGridGrey);
    if (!exists || !palette->IsMasked(entry)) {
        return;
    }
    // A white diagonal, each pixel with a black one on its right, so that it
    // shows on any colour.
    for (int k = 0; k < std::min(inside.Width(), inside.Height()); ++k) {
        DisplayPixel* row = m_surface.GetDisplayRow(inside.top + k);
        row[inside.left + k] = kDisplayWhite;
        if (inside.left + k + 1 < inside.right) {
            row[inside.left + k + 1] = kDisplayBlack;
        }
    }
}

void CColorListWnd::PaintMarks(const CRect&) {}
