#include "bars/mini_palette_wnd.h"

#include <algorithm>

#include "commands/main_dialog.h"
#include "model/stipplebox_accessor.h"
#include "model/stipplebox_data.h"
#include "model/stipplebox_palette.h"

namespace {

// A mark that shows on any colour: black on light cells, white on dark ones
// (by the channels' sum).
DisplayPixel Contrast(DisplayPixel color)
{
    return DisplayRed(color) + DisplayGreen(color) + DisplayBlue(color) >= 3 * 128 ? kDisplayBlack : kDisplayWhite;
}

}  // namespace

void CMiniPaletteWnd::Redraw()
{
    const CStippleboxData* document = CStippleboxAccessor::GetData();
    if (!m_buffer.IsCreated() || document == nullptr) {
        return;
    }
    const CStippleboxPalette& palette = *document->GetCurrentPalette();
    for (int y = 0; y < m_buffer.GetHeight(); ++y) {
        DisplayPixel* row = m_buffer.GetDisplayRow(y);
        const int cellY = y % kCellSize;
        for (int x = 0; x < m_buffer.GetWidth(); ++x) {
            const int index = std::min(y / kCellSize, kRows - 1) * kColumns + std::min(x / kCellSize, kColumns - 1);
            const DisplayPixel color = palette.GetColor(index).ToDisplayPixel();
            const int cellX = x % kCellSize;
            const bool frame = cellX == 0 || cellY == 0 || cellX == kCellSize - 1 || cellY == kCellSize - 1;
            const bool centre = cellX == kCellSize / 2 && cellY == kCellSize / 2;
            if ((index == document->GetDrawingColor() && frame) ||
                (index == document->GetBackgroundColor() && centre)) {
                row[x] = Contrast(color);
            } else {
                row[x] = color;
            }
        }
    }
    Present(m_buffer.GetRect());
}

int CMiniPaletteWnd::HitTest(CPoint point) const
{
    if (!CRect{0, 0, kSize.cx, kSize.cy}.PtInRect(point)) {
        return -1;
    }
    return point.y / kCellSize * kColumns + point.x / kCellSize;
}

void CMiniPaletteWnd::OnSize(int width, int height)
{
    if (width > 0 && height > 0) {
        m_buffer.Create(width, height, kDisplayBitCount, 0);
        Redraw();
    }
}

void CMiniPaletteWnd::OnLButtonDown(unsigned, CPoint point)
{
    const int index = HitTest(point);
    IMainDialog* dialog = CStippleboxAccessor::GetMainDialog();
    if (index >= 0 && dialog != nullptr) {
        dialog->SetColorIndex(IMainDialog::kDrawingColor, uint8_t(index));
    }
}
