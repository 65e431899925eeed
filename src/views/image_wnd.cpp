#include "views/image_wnd.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <vector>

#include "views/image_view_listener.h"

namespace {

// White with both diagonals in light grey, 8 × 8.
const std::array<DisplayPixel, 64>& OutsideTile()
{
    static const std::array<DisplayPixel, 64> tile = [] {
        constexpr DisplayPixel grey = MakeDisplayPixel(220, 220, 220);
        std::array<DisplayPixel, 64> t{};
        for (int row = 0; row < 8; ++row) {
            for (int column = 0; column < 8; ++column) {
                t[row * 8 + column] = column == row || column == 7 - row ? grey : kDisplayWhite;
            }
        }
        return t;
    }();
    return tile;
}

int DivideRoundingUp(int value, int divisor)
{
    return value / divisor + (value % divisor != 0 ? 1 : 0);
}

}  // namespace

CPoint CImageWnd::ScreenToImage(CPoint screen) const
{
    return {screen.x / m_zoom + m_horizontal.position, screen.y / m_zoom + m_vertical.position};
}

CRect CImageWnd::ImageToScreen(const CRect& image) const
{
    return {(image.left - m_horizontal.position) * m_zoom, (image.top - m_vertical.position) * m_zoom,
            (image.right - m_horizontal.position) * m_zoom, (image.bottom - m_vertical.position) * m_zoom};
}

CRect CImageWnd::GetViewRect() const
{
    return {m_horizontal.position, m_vertical.position, m_horizontal.position + m_visibleUp.cx,
            m_vertical.position + m_visibleUp.cy};
}

bool CImageWnd::ClipRect(CRect& rect, bool toImage, bool toView) const
{
    if (toImage) {
        const CSize image = GetImageSize();
        rect.IntersectRect(rect, {0, 0, image.cx, image.cy});
    }
    if (toView) {
        rect.IntersectRect(rect, GetViewRect());
    }
    return !rect.IsRectEmpty();
}

void CImageWnd::SetScroll(int x, int y, bool force)
{
    const CPoint old = GetScrollPosition();
    if (force) {
        m_horizontal.position = x;
        m_vertical.position = y;
    } else {
        if (m_horizontal.enabled) {
            m_horizontal.position = std::clamp(x, m_horizontal.minimum, m_horizontal.maximum);
        }
        if (m_vertical.enabled) {
            m_vertical.position = std::clamp(y, m_vertical.minimum, m_vertical.maximum);
        }
    }
    if (GetScrollPosition() != old) {
        UpdateScrollBars();
        RepaintAll(true);
    }
}

void CImageWnd::SetZoom(int zoom, bool keepCentre)
{
    if (zoom == m_zoom || zoom < 1) {
        return;
    }
    if (keepCentre) {
        ZoomAround(zoom, {m_clientSize.cx / 2, m_clientSize.cy / 2});
    } else {
        StoreZoom(zoom);
    }
}

void CImageWnd::ZoomAround(int zoom, CPoint screen)
{
    if (zoom == m_zoom || zoom < 1) {
        return;
    }
    const CPoint before = ScreenToImage(screen);
    StoreZoom(zoom);
    UpdateVisibleSizes();
    UpdateScrollRanges(false);
    const CPoint after = ScreenToImage(screen);
    m_horizontal.position += before.x - after.x;
    m_vertical.position += before.y - after.y;
    for (SScroll* scroll : {&m_horizontal, &m_vertical}) {
        if (scroll->enabled) {
            scroll->position = std::clamp(scroll->position, scroll->minimum, scroll->maximum);
        }
    }
    UpdateScrollBars();
    RepaintAll(true);
}

void CImageWnd::ResetView(bool resetZoom)
{
    if (resetZoom) {
        m_resetPending = m_clientSize.cx == 0;
        StoreZoom(FitZoom());
    }
    UpdateVisibleSizes();
    UpdateScrollRanges(true);
    UpdateScrollBars();
    RepaintAll(true);
}

void CImageWnd::StoreZoom(int zoom)
{
    if (zoom != m_zoom) {
        m_zoom = zoom;
        if (m_viewListener != nullptr) {
            m_viewListener->OnZoomChanged(zoom);
        }
    }
}

int CImageWnd::FitZoom() const
{
    const CSize image = GetImageSize();
    int zoom = 1;
    for (const int level : m_fitZoomLevels) {
        if (image.cx * level <= m_clientSize.cx && image.cy * level <= m_clientSize.cy) {
            zoom = std::max(zoom, level);
        }
    }
    return zoom;
}

void CImageWnd::ScrollBySteps(int dx, int dy)
{
    const int stepX = std::max(1, m_visibleUp.cx / 4);
    const int stepY = std::max(1, m_visibleUp.cy / 4);
    SetScroll(m_horizontal.position + dx * stepX, m_vertical.position + dy * stepY, false);
}

void CImageWnd::OnSize(int width, int height)
{
    if (width == 0 || height == 0) {
        return;
    }
    // An image given before the window had a size is shown as a reset view
    // would show it once it has one.
    const bool firstSize = m_clientSize.cx == 0;
    m_clientSize = {width, height};
    if (m_resetPending) {
        m_resetPending = false;
        StoreZoom(FitZoom());
    }
    UpdateVisibleSizes();
    UpdateScrollRanges(firstSize);
    m_backBuffer.Create(width + kBackBufferMargin, height + kBackBufferMargin, kDisplayBitCount, 0);
    UpdateScrollBars();
    RepaintAll(true);
}

void CImageWnd::OnMButtonDown(unsigned flags, CPoint point)
{
    m_navigator.OnMButtonDown(flags, point);
}

void CImageWnd::OnMButtonUp(unsigned flags, CPoint point)
{
    m_navigator.OnMButtonUp(flags, point);
}

void CImageWnd::OnMouseWheel(unsigned flags, int delta, CPoint point)
{
    m_navigator.OnMouseWheel(flags, delta, point);
}

void CImageWnd::OnMouseHWheel(unsigned flags, int delta, CPoint point)
{
    m_navigator.OnMouseHWheel(flags, delta, point);
}

void CImageWnd::OnHScroll(int position)
{
    SetScroll(position, m_vertical.position, false);
}

void CImageWnd::OnVScroll(int position)
{
    SetScroll(m_horizontal.position, position, false);
}

void CImageWnd::UpdateScrollBars()
{
    const auto info = [](const SScroll& scroll, int page) {
        // A centred image that fits scrolls nowhere; its position is no place on a bar.
        return scroll.enabled ? SScrollInfo{scroll.minimum, scroll.maximum, page, scroll.position, true}
                              : SScrollInfo{};
    };
    SetScrollInfo(EScrollBar::Horizontal, info(m_horizontal, m_visibleDown.cx));
    SetScrollInfo(EScrollBar::Vertical, info(m_vertical, m_visibleDown.cy));
}

void CImageWnd::UpdateVisibleSizes()
{
    m_visibleDown = {m_clientSize.cx / m_zoom, m_clientSize.cy / m_zoom};
    m_visibleUp = {DivideRoundingUp(m_clientSize.cx, m_zoom), DivideRoundingUp(m_clientSize.cy, m_zoom)};
}

void CImageWnd::UpdateScrollRanges(bool centre)
{
    const CSize image = GetImageSize();
    UpdateScrollRange(m_horizontal, image.cx, m_visibleUp.cx, m_visibleDown.cx, m_clientSize.cx, centre);
    UpdateScrollRange(m_vertical, image.cy, m_visibleUp.cy, m_visibleDown.cy, m_clientSize.cy, centre);
}

void CImageWnd::UpdateScrollRange(SScroll& scroll, int image, int visibleUp, int visibleDown, int client,
                                  bool centre) const
{
    if (m_overscroll) {
        scroll.minimum = -(visibleUp / 2);
        scroll.maximum = image - visibleUp / 2;
        scroll.enabled = true;
        if (centre) {
            scroll.position = (image - (visibleUp / 2) * 2) / 2;
        }
        scroll.position = std::clamp(scroll.position, scroll.minimum, scroll.maximum);
        return;
    }
    scroll.minimum = 0;
    scroll.enabled = client < m_zoom * image;
    if (scroll.enabled) {
        scroll.maximum = image - visibleDown;
        scroll.position = std::clamp(scroll.position, 0, scroll.maximum);
    } else {
        scroll.maximum = 0;
        scroll.position = -((visibleUp - image) / 2);
    }
}

void CImageWnd::FillOutsideImage()
{
    if (!m_backBuffer.IsCreated()) {
        return;
    }
    const CSize image = GetImageSize();
    const CRect picture = ImageToScreen({0, 0, image.cx, image.cy});
    const CRect client{0, 0, m_clientSize.cx, m_clientSize.cy};
    const CRect strips[4] = {
        {client.left, client.top, client.right, picture.top},
        {client.left, picture.bottom, client.right, client.bottom},
        {client.left, std::max(client.top, picture.top), picture.left, std::min(client.bottom, picture.bottom)},
        {picture.right, std::max(client.top, picture.top), client.right, std::min(client.bottom, picture.bottom)},
    };
    // The tile's eight rows laid out across the window, so that each row of
    // a strip is one copy.
    const std::array<DisplayPixel, 64>& tile = OutsideTile();
    const int span = client.right + 8;
    std::vector<DisplayPixel> lines(size_t(span) * 8);
    for (int row = 0; row < 8; ++row) {
        for (int i = 0; i < span; ++i) {
            lines[size_t(row) * span + i] = tile[row * 8 + (i & 7)];
        }
    }
    const int offsetX = m_horizontal.position * m_zoom;
    const int offsetY = m_vertical.position * m_zoom;
    for (const CRect& strip : strips) {
        CRect area;
        if (!area.IntersectRect(strip, client)) {
            continue;
        }
        for (int y = area.top; y < area.bottom; ++y) {
            const DisplayPixel* line = &lines[size_t((y + offsetY) & 7) * span + ((area.left + offsetX) & 7)];
            std::memcpy(m_backBuffer.GetDisplayRow(y) + area.left, line, sizeof(DisplayPixel) * size_t(area.Width()));
        }
    }
}
