#include "views/player_image_wnd.h"

#include <algorithm>
#include <cassert>

#include "model/bmp_dc.h"
#include "model/stipplebox_data.h"
#include "views/canvas_painting.h"

CSize CPlayerImageWnd::GetImageSize() const
{
    return GetData() != nullptr ? GetCanvasSize() : CSize{};
}

int CPlayerImageWnd::GetFrameLayerIndex() const
{
    return std::max(0, GetLayers()->GetSize() - 1 - m_frame);
}

void CPlayerImageWnd::ShowFrame(int frame)
{
    m_frame = frame;
    RepaintAll(true);
}

void CPlayerImageWnd::RepaintAll(bool present)
{
    if (!GetBackBuffer()) {
        return;
    }
    CBmpDC(BackBuffer()).FillSolidRect(BackBuffer().GetRect(), kDisplayBlack);
    const CSize image = GetImageSize();
    CRect visible{0, 0, image.cx, image.cy};
    if (GetData() != nullptr && ClipRect(visible, true, true)) {
        const CStippleboxLayer& layer = *(*GetLayers())[GetFrameLayerIndex()];
        const DisplayPixel* colors = GetCurrentPalette()->GetDisplayPixels();
        const auto colorize = [&layer, colors](int y, int left, int count, DisplayPixel* out) {
            ConvertIndicesToColors(colors, layer.GetPixels() + size_t(y) * size_t(layer.GetWidth()) + left, count, out);
        };
        PaintPicture(BackBuffer(), {GetZoom(), GetScrollPosition(), false}, visible, colorize, EGridLines::kRedraw);
    }
    if (present) {
        const CSize client = GetClientSize();
        Present({0, 0, client.cx, client.cy});
    }
}

CPlayerImageWnd& CPlayerImageTool::GetPlayerImageWindow() const
{
    auto* window = dynamic_cast<CPlayerImageWnd*>(GetWindow());
    assert(window != nullptr);
    return *window;
}

void CPlayerImageToolFrame::OnButtonDown(unsigned, int, int)
{
    const int count = GetLayers()->GetSize();
    if (count > 1) {
        CPlayerImageWnd& window = GetPlayerImageWindow();
        window.ShowFrame((window.GetFrame() + 1) % count);
    }
}
