#include "tools/image_edit_tool_select.h"

#include <memory>

#include "commands/command_image_selection.h"
#include "commands/main_dialog.h"
#include "model/floating_selection.h"
#include "model/stipplebox_data.h"
#include "model/stipplebox_image_selection.h"
#include "tools/grid_snap.h"
#include "tools/tool_options.h"
#include "views/image_edit_wnd.h"
#include "views/linked_selection.h"

void CImageEditToolSelect::OnButtonDown(unsigned, int x, int y)
{
    const CPoint point = ScreenToImage(x, y);
    const CStippleboxImageSelection& selection = *GetCurrentImageSelection();
    if (!selection.HasMask()) {
        BeginSelection(point);
    } else if (selection.GetRect().PtInRect(point)) {
        BeginDrag(point);
    } else {
        const bool transparent = GetMainDialog()->GetToolOptions().transparentSelection;
        GetMainDialog()->ExecuteCommand(std::make_unique<CCommandImageSelectionCancel>(transparent));
    }
}

void CImageEditToolSelect::OnMouseMove(unsigned, int x, int y)
{
    if (!IsCapturing()) {
        return;
    }
    const CPoint point = ScreenToImage(x, y);
    if (GetCaptureMode() == CImageEditWnd::kSelectionDragCapture) {
        Drag(point);
    } else {
        ContinueSelection(point);
    }
}

void CImageEditToolSelect::OnCaptureLost(CWnd*)
{
    if (GetCaptureMode() == CImageEditWnd::kSelectionDragCapture) {
        EndDrag();
    } else {
        EndSelection();
    }
}

void CImageEditToolSelect::BeginDrag(CPoint point)
{
    CImageEditWnd& window = GetEditWindow();
    const std::vector<CStippleboxLayer*> layers = GetLinkedLayers(window);
    m_dragStart = GetCurrentImageSelection()->GetRect().TopLeft();
    m_pressPoint = point;
    // The content floats from here on: the drag carries what the layers show now.
    LiftSelections(layers);
    RestoreUnderneath(layers);
    BeginCapture(CImageEditWnd::kSelectionDragCapture);
    PaintSelections(layers, GetMainDialog()->GetToolOptions().transparentSelection, GetData()->GetBackgroundColor());
    ShowSelectionPixels(window, GetSelectionBounds(layers));
}

void CImageEditToolSelect::Drag(CPoint point)
{
    CPoint from = m_pressPoint;
    CPoint to = point;
    if (GetMainDialog()->GetToolOptions().snapToGrid) {
        const CSize interval = GetEditWindow().GetGrid().interval;
        from = {FloorToMultiple(from.x, interval.cx), FloorToMultiple(from.y, interval.cy)};
        to = {FloorToMultiple(to.x, interval.cx), FloorToMultiple(to.y, interval.cy)};
    }
    const CPoint corner{m_dragStart.x + to.x - from.x, m_dragStart.y + to.y - from.y};
    const CPoint current = GetCurrentImageSelection()->GetRect().TopLeft();
    if (corner == current) {
        return;
    }
    CImageEditWnd& window = GetEditWindow();
    const std::vector<CStippleboxLayer*> layers = GetLinkedLayers(window);
    CRect area = GetSelectionBounds(layers);
    const bool transparent = GetMainDialog()->GetToolOptions().transparentSelection;
    CarrySelections(layers, {corner.x - current.x, corner.y - current.y}, transparent, GetData()->GetBackgroundColor());
    area.UnionRect(area, GetSelectionBounds(layers));
    ShowSelectionPixels(window, area);
}

void CImageEditToolSelect::EndDrag()
{
    CImageEditWnd& window = GetEditWindow();
    const std::vector<CStippleboxLayer*> layers = GetLinkedLayers(window);
    const bool transparent = GetMainDialog()->GetToolOptions().transparentSelection;
    const CPoint corner = GetCurrentImageSelection()->GetRect().TopLeft();
    CRect area = GetSelectionBounds(layers);
    CRect start = area;
    start.OffsetRect(m_dragStart.x - corner.x, m_dragStart.y - corner.y);
    area.UnionRect(area, start);
    // The final paint honours the option as every step did. A drag that
    // ends where it began records nothing, so it paints the content whole,
    // as it was before the press.
    const bool moved = corner != m_dragStart;
    GetMainDialog()->ExecuteCommand(std::make_unique<CCommandImageSelectionMoveDrag>(m_dragStart, transparent));
    PaintSelections(layers, transparent && moved, GetData()->GetBackgroundColor());
    ShowSelectionPixels(window, area);
}

void CImageEditToolSelect::CommitOutline()
{
    CImageSelector& selector = GetEditWindow().GetSelector();
    const CRect rect = selector.GetRect();
    CommitSelection(rect, selector.BuildMask());
}

void CImageEditToolSelect::CommitSelection(const CRect& rect, std::vector<uint8_t> mask)
{
    if (!rect.IsRectEmpty()) {
        GetMainDialog()->ExecuteCommand(std::make_unique<CCommandImageSelectionNew>(rect, std::move(mask)));
    }
}
