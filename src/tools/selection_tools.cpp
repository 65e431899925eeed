#include "tools/selection_tools.h"

#include <array>

#include "commands/main_dialog.h"
#include "tools/grid_snap.h"
#include "tools/selection_mask.h"
#include "tools/shape.h"
#include "tools/tool_options.h"
#include "views/image_edit_wnd.h"

void CImageEditToolSelectRect::BeginSelection(CPoint point)
{
    GetEditWindow().GetSelector().Reset();
    m_start = point;
    CornerStep(point, point);
    BeginCapture(kNewSelectionCapture);
}

void CImageEditToolSelectRect::ContinueSelection(CPoint point)
{
    CornerStep(m_start, point);
}

void CImageEditToolSelectRect::EndSelection()
{
    CommitOutline();
}

void CImageEditToolSelectRect::CornerStep(CPoint first, CPoint second)
{
    first = ClampToImage(first);
    second = ClampToImage(second);
    if (GetMainDialog()->GetToolOptions().snapToGrid) {
        SnapBox(first, second, GetEditWindow().GetGrid().interval);
    }
    CImageSelector& selector = GetEditWindow().GetSelector();
    // Holding the pointer still costs nothing.
    if (!selector.GetPoints().empty() && first == m_lastFirst && second == m_lastSecond) {
        return;
    }
    CShapeRectangle rectangle;
    selector.DrawShape(rectangle, first.x, first.y, second.x, second.y, true, true);
    m_lastFirst = first;
    m_lastSecond = second;
}

void CImageEditToolSelectSameColor::BeginSelection(CPoint point)
{
    CImageEditWnd& window = GetEditWindow();
    const CSize image = window.GetImageSize();
    if (!CRect{0, 0, image.cx, image.cy}.PtInRect(point)) {
        return;
    }
    SSelectionMask region = MakeSameColorSelection(window.GetLayerCache().GetPixels(), image, point);
    m_mask = std::move(region.mask);
    m_rect = region.rect;
    window.GetSelector().SetFromMask(m_mask.data(), m_rect);
    window.Refresh(m_rect, true, false, false, false);
    BeginCapture(kNewSelectionCapture);
}

void CImageEditToolSelectSameColor::EndSelection()
{
    GetEditWindow().GetSelector().ClearPoints();
    CommitSelection(m_rect, std::move(m_mask));
    m_mask.clear();
    m_rect = {};
}

void CImageEditToolSelectScribble::BeginSelection(CPoint point)
{
    CImageSelector& selector = GetEditWindow().GetSelector();
    selector.Reset();
    CShapeLine dot(true);
    selector.DrawShape(dot, point.x, point.y, point.x, point.y, true, false);
    m_start = m_last = point;
    BeginCapture(kNewSelectionCapture);
}

void CImageEditToolSelectScribble::ContinueSelection(CPoint point)
{
    if (point == m_last) {
        return;
    }
    CShapeLine segment(false);
    GetEditWindow().GetSelector().DrawShape(segment, m_last.x, m_last.y, point.x, point.y, true, false);
    m_last = point;
}

void CImageEditToolSelectFree::EndSelection()
{
    if (m_last != m_start) {
        CShapeLine closing(false);
        GetEditWindow().GetSelector().DrawShape(closing, m_last.x, m_last.y, m_start.x, m_start.y, false, false);
    }
    CommitOutline();
}

void CImageEditToolSelectColor::EndSelection()
{
    CImageEditWnd& window = GetEditWindow();
    CImageSelector& selector = window.GetSelector();
    const CSize image = window.GetImageSize();
    const uint8_t* displayed = window.GetLayerCache().GetPixels();
    std::array<bool, 256> marked{};
    for (const CPoint& point : selector.GetPoints()) {
        if (CRect{0, 0, image.cx, image.cy}.PtInRect(point)) {
            marked[displayed[size_t(point.y) * image.cx + point.x]] = true;
        }
    }
    selector.ClearPoints();
    window.Refresh(selector.GetRect(), true, false, false, false);
    SSelectionMask selection = MakeColorSelection(displayed, image, marked);
    CommitSelection(selection.rect, std::move(selection.mask));
}
