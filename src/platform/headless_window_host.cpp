#include "platform/headless_window_host.h"

void CHeadlessWindowHost::ReleaseCapture()
{
    if (m_captured) {
        m_captured = false;
        m_window.OnCaptureChanged(nullptr);
    }
}

void CHeadlessWindowHost::TakeCaptureAway(CWnd* newOwner)
{
    if (m_captured) {
        m_captured = false;
        m_window.OnCaptureChanged(newOwner);
    }
}

bool CHeadlessWindowHost::FireTimer(int id)
{
    if (!IsTimerRunning(id)) {
        return false;
    }
    m_window.OnTimer(id);
    return true;
}
