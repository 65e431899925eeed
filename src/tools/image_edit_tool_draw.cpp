#include "tools/image_edit_tool_draw.h"

#include <memory>

#include "commands/command_image_draw.h"
#include "commands/main_dialog.h"
#include "tools/grid_snap.h"
#include "tools/pixel_perfect_filter.h"
#include "tools/shape.h"
#include "tools/shape_pen.h"
#include "tools/tool_options.h"
#include "views/image_edit_wnd.h"

void CImageEditToolDraw::OnButtonDown(unsigned, int x, int y)
{
    const CPoint point = ScreenToImage(x, y);
    if (TakeEyedropperTap(point)) {
        return;
    }
    m_dirty = {};
    m_start = m_pressPoint = point;
    BeginStroke(point);
    if (GetMainDialog()->GetToolOptions().pickByLongPress) {
        m_pressAndHold.Start(*GetWindow(), {x, y});
    }
    BeginCapture(kStrokeCapture);
}

void CImageEditToolDraw::OnMouseMove(unsigned, int x, int y)
{
    if (!IsCapturing()) {
        return;
    }
    m_pressAndHold.Move({x, y});
    ContinueStroke(ScreenToImage(x, y));
}

void CImageEditToolDraw::OnButtonUp(unsigned flags, int x, int y)
{
    m_pressAndHold.Cancel();
    CImageEditTool::OnButtonUp(flags, x, y);
}

void CImageEditToolDraw::OnCaptureLost(CWnd*)
{
    m_pressAndHold.Cancel();
    Commit();
}

void CImageEditToolDraw::OnTimer(int id)
{
    if (m_pressAndHold.OnTimer(id)) {
        PickByLongPress();
    }
}

bool CImageEditToolDraw::TakeEyedropperTap(CPoint point)
{
    SToolOptions& options = GetMainDialog()->GetToolOptions();
    if (!options.eyedropper && !GetMainDialog()->IsToolSubKeyHeld(IMainDialog::kToolSubKeyEyedropper)) {
        return false;
    }
    const CSize image = GetEditWindow().GetImageSize();
    if (!CRect{0, 0, image.cx, image.cy}.PtInRect(point)) {
        return false;
    }
    PickColor(point);
    options.eyedropper = false;
    return true;
}

void CImageEditToolDraw::PickColor(CPoint point)
{
    // The colour the user sees there: the composite, not the current layer.
    const CLayerCache& cache = GetEditWindow().GetLayerCache();
    const uint8_t index = cache.GetPixels()[size_t(point.y) * cache.GetWidth() + point.x];
    GetMainDialog()->SetColorIndex(IMainDialog::kDrawingColor, index);
}

void CImageEditToolDraw::PickByLongPress()
{
    ShowDrawing(TakeBackDrawing());
    const CSize image = GetEditWindow().GetImageSize();
    if (CRect{0, 0, image.cx, image.cy}.PtInRect(m_pressPoint)) {
        PickColor(m_pressPoint);
    }
    // The stroke ends with nothing to record.
    if (IsCapturing()) {
        GetWindow()->ReleaseCapture();
    }
}

void CImageEditToolDraw::Commit()
{
    if (!m_dirty.IsRectEmpty()) {
        GetMainDialog()->ExecuteCommand(std::make_unique<CCommandImageDraw>(m_dirty));
    }
    m_dirty = {};
}

void CImageEditToolDraw::DrawOutline(CShape& shape, CPoint first, CPoint second, bool replace,
                                     CPixelPerfectFilter* pixelPerfect)
{
    CImageEditWnd& window = GetEditWindow();
    CLayerPainter painter = window.MakePainter();
    CShapePenDrawNormal pen(&painter);
    if (pixelPerfect == nullptr) {
        window.DrawShape(shape, pen, first.x, first.y, second.x, second.y, true, m_dirty, replace);
        return;
    }
    CShapePenPixelPerfect filtered(pen, *GetCurrentLayer(), *pixelPerfect);
    window.DrawShape(shape, filtered, first.x, first.y, second.x, second.y, true, m_dirty, replace);
}

CRect CImageEditToolDraw::TakeBackDrawing()
{
    CRect taken = m_dirty;
    m_dirty = {};
    if (!GetEditWindow().ClipRect(taken, true, false)) {
        return {};
    }
    GetEditWindow().RestoreFromBackup(taken);
    return taken;
}

void CImageEditToolDraw::ShowDrawing(const CRect& rect)
{
    GetEditWindow().Refresh(rect, true, true, false, false);
}

void CImageEditToolDrawShape::SnapCorners(CPoint& first, CPoint& second, CSize interval) const
{
    SnapBox(first, second, interval);
}

void CImageEditToolDrawShape::ShapeStep(CPoint first, CPoint second)
{
    if (GetMainDialog()->GetToolOptions().snapToGrid) {
        SnapCorners(first, second, GetEditWindow().GetGrid().interval);
    }
    // Holding the pointer still costs nothing.
    if (!m_dirty.IsRectEmpty() && first == m_lastFirst && second == m_lastSecond) {
        return;
    }
    DrawCorners(first, second);
    m_lastFirst = first;
    m_lastSecond = second;
}
