#include "palette/color_value_bar.h"

#include <algorithm>

#include "app/framework_wnd.h"
#include "model/bmp_dc.h"
#include "palette/display_frame.h"

namespace {

constexpr DisplayPixel kFrameGrey = MakeDisplayPixel(0x80, 0x80, 0x80);
constexpr DisplayPixel kButtonFace = MakeDisplayPixel(0xE1, 0xE1, 0xE1);
constexpr DisplayPixel kButtonPushedFace = MakeDisplayPixel(0xC4, 0xC4, 0xC4);
constexpr DisplayPixel kButtonEdge = MakeDisplayPixel(0xA0, 0xA0, 0xA0);

}  // namespace

CColorValueBar::CColorValueBar()
{
    // The colour table is kept from the start; the image takes the strip's
    // width when the bar has a size.
    m_gradient.Create(1, 1, 8, kGradientSize);
}

void CColorValueBar::SetMax(int max)
{
    if (m_max != max) {
        m_max = std::max(0, max);
        PaintMarker();
    }
}

void CColorValueBar::SetValue(int value, bool notify)
{
    value = std::clamp(value, 0, m_max);
    if (value == m_value) {
        return;
    }
    m_value = value;
    PaintMarker();
    if (notify && m_listener != nullptr) {
        m_listener->OnChange(*this);
    }
}

void CColorValueBar::SetGradient(const std::array<SPaletteColor, kGradientSize>& colors)
{
    std::array<RGBQUAD, kGradientSize> table;
    std::transform(colors.begin(), colors.end(), table.begin(), [](const SPaletteColor& color) {
        return RGBQUAD{color.blue, color.green, color.red, 0};
    });
    CBmpDC(m_gradient).SetDIBColorTable(0, kGradientSize, table.data());
    PaintStrip();
}

CColorValueBar::EDragMode CColorValueBar::HitTest(CPoint point) const
{
    if (m_leftButton.PtInRect(point)) {
        return kDragLeftButton;
    }
    if (m_rightButton.PtInRect(point)) {
        return kDragRightButton;
    }
    const int u = GetDisplayScale();
    const CRect stripArea{16 * u, 0, m_client.cx - 16 * u, m_client.cy - 1};
    return stripArea.PtInRect(point) ? kDragStrip : kDragNone;
}

int CColorValueBar::ValueToX(int value) const
{
    const int span = m_strip.Width() - 1;
    return m_strip.left + (m_max > 0 ? value * span / m_max : 0);
}

int CColorValueBar::XToValue(int x) const
{
    const int span = m_strip.Width() - 1;
    return span > 0 ? std::clamp((x - m_strip.left) * m_max / span, 0, m_max) : 0;
}

void CColorValueBar::OnLButtonDown(unsigned, CPoint point)
{
    const EDragMode mode = HitTest(point);
    if (mode == kDragNone || m_dragMode != kDragNone) {
        return;
    }
    if (mode == kDragStrip) {
        SetCapture();
        m_dragMode = mode;
        if (m_listener != nullptr) {
            m_listener->OnBegin(*this);
        }
        SetValue(XToValue(point.x), true);
        return;
    }
    PaintButton(mode == kDragRightButton, true);
    if (m_listener != nullptr) {
        m_listener->OnBegin(*this);
    }
    SetCapture();
    m_dragMode = mode;
    if (Step()) {
        SetTimer(kRepeatTimerId, kFirstRepeatMilliseconds);
    }
}

void CColorValueBar::OnMouseMove(unsigned, CPoint point)
{
    if (m_dragMode == kDragStrip && HasCapture()) {
        SetValue(XToValue(point.x), true);
    }
}

void CColorValueBar::OnLButtonUp(unsigned, CPoint)
{
    EndInteraction();
}

void CColorValueBar::OnCaptureChanged(CWnd*)
{
    // Another window took the pointer: the interaction ends as if the pen
    // were lifted, so no step keeps repeating.
    EndInteraction();
}

void CColorValueBar::OnTimer(int id)
{
    if (id != kRepeatTimerId) {
        return;
    }
    if (m_dragMode != kDragLeftButton && m_dragMode != kDragRightButton) {
        return;
    }
    if (Step()) {
        SetTimer(kRepeatTimerId, kRepeatMilliseconds);
    } else {
        KillTimer(kRepeatTimerId);
    }
}

bool CColorValueBar::Step()
{
    const int direction = m_dragMode == kDragRightButton ? 1 : -1;
    SetValue(m_value + direction, true);
    // At either end there is nothing left to repeat.
    return direction > 0 ? m_value < m_max : m_value > 0;
}

void CColorValueBar::EndInteraction()
{
    const EDragMode mode = m_dragMode;
    if (mode == kDragNone) {
        return;
    }
    m_dragMode = kDragNone;
    ReleaseCapture();
    if (mode != kDragStrip) {
        KillTimer(kRepeatTimerId);
        PaintButton(mode == kDragRightButton, false);
    }
    if (m_listener != nullptr) {
        m_listener->OnEnd(*this);
    }
}

void CColorValueBar::OnSize(int width, int height)
{
    if (width <= 0 || height <= 0) {
        return;
    }
    const int u = GetDisplayScale();
    m_client = {width, height};
    m_leftButton = {0, 1, 16 * u, height - 1};
    m_rightButton = {width - 16 * u, 1, width, height - 1};
    m_strip = {21 * u, 2, width - 21 * u, height - 1 - 5 * u};
    m_backBuffer.Create(width, height, kDisplayBitCount, 0);
    std::array<RGBQUAD, kGradientSize> table;
    CBmpDC(m_gradient).GetDIBColorTable(0, kGradientSize, table.data());
    const int stripWidth = std::max(1, m_strip.Width());
    m_gradient.Create(stripWidth, 1, 8, kGradientSize);
    CBmpDC(m_gradient).SetDIBColorTable(0, kGradientSize, table.data());
    uint8_t* levels = m_gradient.GetRow(0);
    for (int x = 0; x < stripWidth; ++x) {
        levels[x] = uint8_t(stripWidth > 1 ? 255 * x / (stripWidth - 1) : 0);
    }
    m_marker = {};
    PaintAll();
}

void CColorValueBar::PaintAll()
{
    if (!m_backBuffer.IsCreated()) {
        return;
    }
    CBmpDC(m_backBuffer).FillSolidRect(m_backBuffer.GetRect(), kToolWindowFace);
    PaintButton(false, m_dragMode == kDragLeftButton);
    PaintButton(true, m_dragMode == kDragRightButton);
    PaintStrip();
    PaintMarker();
    Show(m_backBuffer.GetRect());
}

void CColorValueBar::PaintButton(bool right, bool pushed)
{
    if (!m_backBuffer.IsCreated()) {
        return;
    }
    const CRect& button = right ? m_rightButton : m_leftButton;
    CBmpDC(m_backBuffer).FillSolidRect(button, pushed ? kButtonPushedFace : kButtonFace);
    FrameDisplayRect(m_backBuffer, button, 1, pushed ? kFrameGrey : kButtonEdge);
    // An arrow pointing out of the bar, nudged down and right while pushed.
    const int shift = pushed ? 1 : 0;
    const int centreX = (button.left + button.right) / 2 + shift;
    const int centreY = (button.top + button.bottom) / 2 + shift;
    const int half = std::max(1, std::min(button.Width(), button.Height()) / 4);
    for (int i = 0; i <= half; ++i) {
        const int x = right ? centreX + half / 2 - i : centreX - half / 2 + i;
        CBmpDC(m_backBuffer).FillSolidRect({x, centreY - i, x + 1, centreY + i + 1}, kDisplayBlack);
    }
    Show(button);
}

void CColorValueBar::PaintStrip()
{
    if (!m_backBuffer.IsCreated() || m_strip.IsRectEmpty()) {
        return;
    }
    FrameDisplayRect(m_backBuffer, {m_strip.left - 1, m_strip.top - 1, m_strip.right + 1, m_strip.bottom + 1}, 1, kFrameGrey);
    std::array<RGBQUAD, kGradientSize> table;
    CBmpDC(m_gradient).GetDIBColorTable(0, kGradientSize, table.data());
    const uint8_t* levels = m_gradient.GetRow(0);
    for (int y = m_strip.top; y < m_strip.bottom; ++y) {
        DisplayPixel* row = m_backBuffer.GetDisplayRow(y) + m_strip.left;
        for (int x = 0; x < m_strip.Width(); ++x) {
            const RGBQUAD& color = table[levels[x]];
            row[x] = MakeDisplayPixel(color.rgbRed, color.rgbGreen, color.rgbBlue);
        }
    }
    Show({m_strip.left - 1, m_strip.top - 1, m_strip.right + 1, m_strip.bottom + 1});
}

void CColorValueBar::PaintMarker()
{
    if (!m_backBuffer.IsCreated()) {
        return;
    }
    CBmpDC dc(m_backBuffer);
    const CRect previous = m_marker;
    dc.FillSolidRect(previous, kToolWindowFace);
    m_marker = {};
    if (m_value >= 0) {
        // A triangle under the strip, its apex pointing at the value.
        const int u = GetDisplayScale();
        const int x = ValueToX(m_value);
        const int apex = m_client.cy - 5 * u;
        for (int row = 0; row < 5 * u; ++row) {
            dc.FillSolidRect({x - row, apex + row, x + row + 1, apex + row + 1}, kDisplayBlack);
        }
        m_marker = {x - 5 * u + 1, apex, x + 5 * u, m_client.cy};
    }
    CRect changed;
    changed.UnionRect(previous, m_marker);
    Show(changed);
}

void CColorValueBar::Show(const CRect& rect)
{
    if (!rect.IsRectEmpty()) {
        Present(rect);
    }
}
