#include "platform/window.h"

#include <optional>

void CWnd::OnLButtonDown(unsigned, CPoint) {}
void CWnd::OnLButtonDblClk(unsigned, CPoint) {}
void CWnd::OnLButtonUp(unsigned, CPoint) {}
void CWnd::OnMouseMove(unsigned, CPoint) {}
void CWnd::OnMButtonDown(unsigned, CPoint) {}
void CWnd::OnMButtonUp(unsigned, CPoint) {}
void CWnd::OnMouseWheel(unsigned, int, CPoint) {}
void CWnd::OnMouseHWheel(unsigned, int, CPoint) {}
void CWnd::OnHScroll(int) {}
void CWnd::OnVScroll(int) {}
void CWnd::OnCaptureChanged(CWnd*) {}
void CWnd::OnTimer(int) {}
void CWnd::OnSize(int, int) {}

const CDibSection* CWnd::GetBackBuffer() const
{
    return nullptr;
}

void CWnd::SetCapture()
{
    if (m_host != nullptr) {
        m_host->SetCapture();
    }
}

void CWnd::ReleaseCapture()
{
    if (m_host != nullptr) {
        m_host->ReleaseCapture();
    }
}

bool CWnd::HasCapture() const
{
    return m_host != nullptr && m_host->HasCapture();
}

void CWnd::SetTimer(int id, int milliseconds)
{
    if (m_host != nullptr) {
        m_host->SetTimer(id, milliseconds);
    }
}

void CWnd::KillTimer(int id)
{
    if (m_host != nullptr) {
        m_host->KillTimer(id);
    }
}

void CWnd::Present(const CRect& rect)
{
    if (m_host != nullptr) {
        m_host->Present(rect);
    }
}

void CWnd::SetScrollInfo(EScrollBar bar, const SScrollInfo& info)
{
    if (m_host != nullptr) {
        m_host->SetScrollInfo(bar, info);
    }
}

void CWnd::SetCursor(ECursor cursor)
{
    if (m_host != nullptr) {
        m_host->SetCursor(cursor);
    }
}

namespace {

CSize g_screenSize{1920, 1080};
std::optional<int> g_displayScale;
int g_pressAndHoldInterval = 800;

}  // namespace

int GetDisplayScale()
{
    if (!g_displayScale) {
        g_displayScale = g_screenSize.cx < 480 || g_screenSize.cy < 480 ? 1 : 2;
    }
    return *g_displayScale;
}

void SetDisplayScreenSize(CSize size)
{
    g_screenSize = size;
    g_displayScale.reset();
}

int GetPressAndHoldInterval()
{
    return g_pressAndHoldInterval;
}

void SetPressAndHoldInterval(int milliseconds)
{
    g_pressAndHoldInterval = milliseconds;
}
