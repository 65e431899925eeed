#include "tools/drawing_tools.h"

#include <algorithm>

#include "commands/main_dialog.h"
#include "tools/grid_snap.h"
#include "tools/pen_nib.h"
#include "tools/tone.h"
#include "tools/tool_options.h"
#include "tools/shape.h"
#include "views/image_edit_wnd.h"

namespace {

// The box of two corners, both inclusive, as a rectangle.
CRect BoxOf(CPoint first, CPoint second)
{
    return {std::min(first.x, second.x), std::min(first.y, second.y), std::max(first.x, second.x) + 1,
            std::max(first.y, second.y) + 1};
}

}  // namespace

void CImageEditToolDrawFree::BeginStroke(CPoint point)
{
    CImageEditWnd& window = GetEditWindow();
    m_isPixelPerfectStroke = GetMainDialog()->GetToolOptions().pixelPerfect && window.GetPenNib().GetSize() == 1 &&
                             window.GetTone().GetLevel() == 0;
    m_pixelPerfect.Reset();
    CShapeLine stamp(true);
    DrawOutline(stamp, point, point, false, GetPixelPerfectFilter());
}

void CImageEditToolDrawFree::ContinueStroke(CPoint point)
{
    if (point == m_start) {
        return;
    }
    CShapeLine segment(false);
    DrawOutline(segment, m_start, point, false, GetPixelPerfectFilter());
    m_start = point;
}

CPixelPerfectFilter* CImageEditToolDrawFree::GetPixelPerfectFilter()
{
    return m_isPixelPerfectStroke ? &m_pixelPerfect : nullptr;
}

void CImageEditToolDrawLine::SnapCorners(CPoint& first, CPoint& second, CSize interval) const
{
    SnapLine(first, second, interval);
}

void CImageEditToolDrawLine::DrawCorners(CPoint first, CPoint second)
{
    CShapeLine line(true);
    DrawOutline(line, first, second, true);
}

void CImageEditToolDrawRect::DrawCorners(CPoint first, CPoint second)
{
    CShapeRectangle rectangle;
    DrawOutline(rectangle, first, second, true);
}

void CImageEditToolDrawEllipse::DrawCorners(CPoint first, CPoint second)
{
    CShapeEllipse ellipse;
    DrawOutline(ellipse, first, second, true);
}

void CImageEditToolDrawRectFill::DrawCorners(CPoint first, CPoint second)
{
    const CRect previous = TakeBackDrawing();
    CRect box = BoxOf(first, second);
    CImageEditWnd& window = GetEditWindow();
    if (window.ClipToEditArea(box, true, false, true)) {
        window.FillRectangle(box, false);
        m_dirty = box;
    }
    CRect changed;
    changed.UnionRect(previous, m_dirty);
    ShowDrawing(changed);
}

void CImageEditToolDrawEllipseFill::DrawCorners(CPoint first, CPoint second)
{
    const CRect previous = TakeBackDrawing();
    CImageEditWnd& window = GetEditWindow();
    window.FillEllipse(first.x, first.y, second.x, second.y);
    CRect box = BoxOf(first, second);
    if (window.ClipToEditArea(box, true, false, true)) {
        m_dirty = box;
    }
    CRect changed;
    changed.UnionRect(previous, m_dirty);
    ShowDrawing(changed);
}

void CImageEditToolDrawFill::BeginStroke(CPoint point)
{
    m_dirty = GetEditWindow().FloodFill(point.x, point.y, true);
}
