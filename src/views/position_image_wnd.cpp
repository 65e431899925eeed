#include "views/position_image_wnd.h"

#include "model/stipplebox_data.h"
#include "views/canvas_painting.h"
#include "views/display_drawing.h"
#include "views/image_edit_wnd.h"

CSize CPositionImageWnd::GetImageSize() const
{
    return GetData() != nullptr ? GetCanvasSize() : CSize{};
}

CRect CPositionImageWnd::GetCanvasView() const
{
    return GetImageEditWnd()->GetViewRect();
}

CRect CPositionImageWnd::GetImageOnScreen() const
{
    const CSize image = GetImageSize();
    CRect screen = ImageToScreen({0, 0, image.cx, image.cy});
    const CSize client = GetClientSize();
    screen.IntersectRect(screen, {0, 0, client.cx, client.cy});
    return screen;
}

void CPositionImageWnd::RepaintAll(bool present)
{
    if (!GetBackBuffer()) {
        return;
    }
    FillOutsideImage();
    const CSize image = GetImageSize();
    CRect visible{0, 0, image.cx, image.cy};
    if (GetData() != nullptr && ClipRect(visible, true, true)) {
        PaintImageRect(visible);
    }
    m_outline = GetData() != nullptr ? GetCanvasView() : CRect{};
    InvertOutline(m_outline, GetImageOnScreen());
    if (present) {
        const CSize client = GetClientSize();
        Present({0, 0, client.cx, client.cy});
    }
}

void CPositionImageWnd::RefreshImageRect(CRect rect)
{
    if (!GetBackBuffer() || GetData() == nullptr || !ClipRect(rect, true, true)) {
        return;
    }
    PaintImageRect(rect);
    // The picture covered the outline here: that part is drawn again.
    const CRect screen = ImageToScreen(rect);
    CRect clip;
    if (clip.IntersectRect(screen, GetImageOnScreen())) {
        InvertOutline(m_outline, clip);
    }
    Present(screen);
}

void CPositionImageWnd::PaintImageRect(const CRect& rect)
{
    const CLayerCache& cache = GetImageEditWnd()->GetLayerCache();
    const DisplayPixel* colors = GetCurrentPalette()->GetDisplayPixels();
    const auto colorize = [&cache, colors](int y, int left, int count, DisplayPixel* out) {
        ConvertIndicesToColors(colors, cache.GetPixels() + size_t(y) * size_t(cache.GetWidth()) + left, count, out);
    };
    PaintPicture(BackBuffer(), {GetZoom(), GetScrollPosition(), false}, rect, colorize, EGridLines::kRedraw);
}

void CPositionImageWnd::InvertOutline(const CRect& outline, const CRect& clip)
{
    const CRect r = ImageToScreen(outline);
    if (r.IsRectEmpty()) {
        return;
    }
    // Each pixel once: the top and bottom rows whole, the sides between them.
    CRect edges[4] = {{r.left, r.top, r.right, r.top + 1},
                      {r.left, r.bottom - 1, r.right, r.bottom},
                      {r.left, r.top + 1, r.left + 1, r.bottom - 1},
                      {r.right - 1, r.top + 1, r.right, r.bottom - 1}};
    const int count = r.Height() == 1 ? 1 : r.Width() == 1 ? 3 : 4;
    for (int i = 0; i < count; ++i) {
        CRect part;
        if (part.IntersectRect(edges[i], clip)) {
            InvertDisplayRect(BackBuffer(), part);
        }
    }
}

void CPositionImageToolNormal::OnButtonDown(unsigned, int x, int y)
{
    const CPoint point = ScreenToImage(x, y);
    const CSize image = GetImageWindow()->GetImageSize();
    if (!CRect{0, 0, image.cx, image.cy}.PtInRect(point)) {
        return;
    }
    const CRect outline = GetImageEditWnd()->GetViewRect();
    m_last = point;
    BeginCapture(kStrokeCapture);
    if (outline.PtInRect(point)) {
        m_offset = {point.x - outline.left, point.y - outline.top};
        return;
    }
    m_offset = {outline.Width() / 2, outline.Height() / 2};
    MoveCanvas(point);
}

void CPositionImageToolNormal::OnMouseMove(unsigned, int x, int y)
{
    if (!IsCapturing()) {
        return;
    }
    const CPoint point = ScreenToImage(x, y);
    if (point != m_last) {
        m_last = point;
        MoveCanvas(point);
    }
}

void CPositionImageToolNormal::MoveCanvas(CPoint point)
{
    GetImageEditWnd()->SetScroll(point.x - m_offset.x, point.y - m_offset.y, false);
}
