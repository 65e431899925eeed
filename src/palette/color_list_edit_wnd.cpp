#include "palette/color_list_edit_wnd.h"

#include <algorithm>

#include "model/selection_frame_drawing.h"
#include "model/stipplebox_color_selection.h"
#include "model/stipplebox_data.h"
#include "model/stipplebox_palette.h"
#include "palette/display_frame.h"
#include "views/mouse_tool.h"

namespace {

constexpr DisplayPixel kBackgroundFrame = MakeDisplayPixel(30, 30, 255);
constexpr DisplayPixel kDrawingFrame = MakeDisplayPixel(255, 30, 30);

}  // namespace

const CStippleboxPalette* CColorListEditWnd::GetPalette() const
{
    return GetData() != nullptr ? GetCurrentPalette() : nullptr;
}

void CColorListEditWnd::ResetSelection()
{
    const CStippleboxColorSelection* selection = GetData() != nullptr ? GetCurrentColorSelection() : nullptr;
    const bool selected = selection != nullptr && selection->HasMask();
    ShowOutline(selected ? selection->GetMask().data() : nullptr);
    if (selected) {
        SetTimer(kOutlineTimerId, kOutlineMilliseconds);
    } else {
        KillTimer(kOutlineTimerId);
    }
}

void CColorListEditWnd::ShowOutline(const uint8_t* mask)
{
    if (mask != nullptr) {
        m_outline.Build(mask, kColumns, kColumns, true);
    } else {
        m_outline.Clear();
    }
    RedrawAll();
}

void CColorListEditWnd::OnSize(int width, int height)
{
    CColorListWnd::OnSize(width, height);
    ResetSelection();
}

void CColorListEditWnd::OnTimer(int id)
{
    if (id != kOutlineTimerId) {
        CColorListWnd::OnTimer(id);
        return;
    }
    if (m_outline.IsEmpty()) {
        KillTimer(kOutlineTimerId);
        return;
    }
    --m_phase;
    if (GetBackBuffer() != nullptr) {
        PaintMarks(Surface().GetRect());
        Present(Surface().GetRect());
    }
}

void CColorListEditWnd::PaintMarks(const CRect& area)
{
    const CStippleboxData* document = GetData();
    if (document == nullptr) {
        return;
    }
    PaintFrame(document->GetBackgroundColor(), kBackgroundFrame, area);
    PaintFrame(document->GetDrawingColor(), kDrawingFrame, area);
    if (m_outline.IsEmpty()) {
        return;
    }
    const CSize cell = GetCellSize();
    const CRect cells{area.left / cell.cx, area.top / cell.cy, std::min(kColumns, area.right / cell.cx + 1),
                      std::min(kColumns, area.bottom / cell.cy + 1)};
    const CMouseTool* tool = GetTool();
    const bool dragging = tool != nullptr && tool->IsCapturing() && tool->GetCaptureMode() == kOutlineDragCapture;
    DrawSelectionFrame(Surface(), m_outline, {{0, 0}, cell}, cells,
                       dragging ? GetActiveFramePattern() : GetNormalFramePattern(), m_phase);
}

void CColorListEditWnd::PaintFrame(int entry, DisplayPixel color, const CRect& area)
{
    const CRect cell = GetCellRect(entry);
    CRect overlap;
    if (!overlap.IntersectRect(cell, area)) {
        return;
    }
    FrameDisplayRect(Surface(), cell, 2 * GetDisplayScale(), color);
}
