#include "views/mouse_tool.h"

#include "views/mouse_wnd.h"

void CMouseTool::OnButtonUp(unsigned, int, int)
{
    if (IsCapturing()) {
        m_window->ReleaseCapture();
    }
}

void CMouseTool::OnDoubleClick(unsigned flags, int x, int y)
{
    OnButtonDown(flags, x, y);
}

void CMouseTool::OnTimer(int) {}

void CMouseTool::BeginCapture(int16_t mode)
{
    m_window->SetCapture();
    m_captured = true;
    m_captureMode = mode;
}

bool CMouseTool::IsCapturing() const
{
    return m_window != nullptr && m_window->HasCapture();
}
