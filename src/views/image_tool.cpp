#include "views/image_tool.h"

#include <algorithm>
#include <cassert>

#include "views/image_wnd.h"

CImageWnd* CImageTool::GetImageWindow() const
{
    auto* window = dynamic_cast<CImageWnd*>(GetWindow());
    assert(window != nullptr);
    return window;
}

CPoint CImageTool::ScreenToImage(int x, int y) const
{
    return GetImageWindow()->ScreenToImage({x, y});
}

CPoint CImageTool::ClampToImage(CPoint point) const
{
    const CSize image = GetImageWindow()->GetImageSize();
    return {std::clamp(point.x, 0, std::max(0, image.cx - 1)), std::clamp(point.y, 0, std::max(0, image.cy - 1))};
}

void CImageToolPalm::OnButtonDown(unsigned, int x, int y)
{
    m_anchor = ScreenToImage(x, y);
    BeginCapture(kStrokeCapture);
}

void CImageToolPalm::OnMouseMove(unsigned, int x, int y)
{
    if (!IsCapturing()) {
        return;
    }
    const CPoint point = ScreenToImage(x, y);
    if (point != m_anchor) {
        CImageWnd& window = *GetImageWindow();
        const CPoint scroll = window.GetScrollPosition();
        window.SetScroll(scroll.x - (point.x - m_anchor.x), scroll.y - (point.y - m_anchor.y), false);
    }
}

void CImageToolPalm::OnCaptureLost(CWnd*) {}
