#include "views/image_navigator.h"

#include "views/image_tool.h"
#include "views/image_wnd.h"
#include "views/zoom_manager.h"

// The hand tool, telling the navigator when its drag is over.
class CImageNavigator::CHand final : public CImageToolPalm {
public:
    explicit CHand(CImageNavigator& navigator) : m_navigator(navigator) {}
    void OnCaptureLost(CWnd* newOwner) override
    {
        CImageToolPalm::OnCaptureLost(newOwner);
        m_navigator.OnHandDragEnded();
    }

private:
    CImageNavigator& m_navigator;
};

CImageNavigator::CImageNavigator(CImageWnd& window) : m_window(window), m_hand(std::make_unique<CHand>(*this)) {}

CImageNavigator::~CImageNavigator()
{
    if (m_window.GetTemporaryTool() == m_hand.get()) {
        m_window.SetTemporaryTool(nullptr);
    }
}

void CImageNavigator::OnMouseWheel(unsigned flags, int delta, CPoint point)
{
    if (flags & MK_CONTROL) {
        Zoom(delta, point);
    } else {
        // Turned away from the user, the wheel shows what lies above (or,
        // with Shift, to the left).
        Scroll((flags & MK_SHIFT) != 0, -delta);
    }
}

void CImageNavigator::OnMouseHWheel(unsigned, int delta, CPoint)
{
    Scroll(true, delta);
}

void CImageNavigator::Scroll(bool horizontal, int delta)
{
    const int zoom = m_window.GetZoom();
    int& pending = m_pendingScroll[horizontal ? 0 : 1];
    pending += delta * kWheelScrollPixels;
    const int pixels = pending / (WHEEL_DELTA * zoom);
    if (pixels == 0) {
        return;
    }
    pending -= pixels * WHEEL_DELTA * zoom;
    const CPoint position = m_window.GetScrollPosition();
    m_window.SetScroll(position.x + (horizontal ? pixels : 0), position.y + (horizontal ? 0 : pixels), false);
}

void CImageNavigator::Zoom(int delta, CPoint point)
{
    if (m_zoomLevels == nullptr) {
        return;
    }
    m_pendingZoom += delta;
    int zoom = m_window.GetZoom();
    for (; m_pendingZoom >= WHEEL_DELTA; m_pendingZoom -= WHEEL_DELTA) {
        zoom = m_zoomLevels->ZoomIn(zoom);
    }
    for (; m_pendingZoom <= -WHEEL_DELTA; m_pendingZoom += WHEEL_DELTA) {
        zoom = m_zoomLevels->ZoomOut(zoom);
    }
    m_window.ZoomAround(zoom, point);
}

void CImageNavigator::OnMButtonDown(unsigned flags, CPoint point)
{
    if (m_window.HasCapture()) {
        return;
    }
    m_middleDrag = true;
    TakePointer();
    m_hand->OnButtonDown(flags, point.x, point.y);
}

void CImageNavigator::OnMButtonUp(unsigned flags, CPoint point)
{
    if (m_middleDrag) {
        m_middleDrag = false;
        m_hand->OnButtonUp(flags, point.x, point.y);
        // The left button may have ended the drag already.
        OnHandDragEnded();
    }
}

void CImageNavigator::SetHandKeyHeld(bool held)
{
    m_handKeyHeld = held;
    if (held && !m_window.HasCapture()) {
        TakePointer();
    } else if (!held && !m_hand->IsCaptured()) {
        OnHandDragEnded();
    }
}

void CImageNavigator::TakePointer()
{
    if (m_window.GetTemporaryTool() != m_hand.get()) {
        m_window.SetTemporaryTool(m_hand.get());
        m_window.SetCursor(ECursor::OpenHand);
    }
}

void CImageNavigator::OnHandDragEnded()
{
    if (!m_handKeyHeld && !m_middleDrag && m_window.GetTemporaryTool() == m_hand.get()) {
        m_window.SetTemporaryTool(nullptr);
        m_window.SetCursor(ECursor::Arrow);
    }
}
