#include "views/mouse_wnd.h"

void CMouseWnd::SetTool(std::unique_ptr<CMouseTool> tool)
{
    m_tool = std::move(tool);
    if (m_tool) {
        m_tool->m_window = this;
    }
}

void CMouseWnd::SetTemporaryTool(CMouseTool* tool)
{
    m_temporaryTool = tool;
    if (tool != nullptr) {
        tool->m_window = this;
    }
}

void CMouseWnd::OnLButtonDown(unsigned flags, CPoint point)
{
    if (CMouseTool* tool = GetPointerTool()) {
        tool->OnButtonDown(flags, point.x, point.y);
    }
}

void CMouseWnd::OnLButtonDblClk(unsigned flags, CPoint point)
{
    if (CMouseTool* tool = GetPointerTool()) {
        tool->OnDoubleClick(flags, point.x, point.y);
    }
}

void CMouseWnd::OnLButtonUp(unsigned flags, CPoint point)
{
    if (CMouseTool* tool = GetPointerTool()) {
        tool->OnButtonUp(flags, point.x, point.y);
    }
}

void CMouseWnd::OnMouseMove(unsigned flags, CPoint point)
{
    if (CMouseTool* tool = GetPointerTool()) {
        tool->OnMouseMove(flags, point.x, point.y);
    }
}

void CMouseWnd::OnCaptureChanged(CWnd* newOwner)
{
    // Whichever tool holds the capture ends its stroke.
    for (CMouseTool* tool : {m_temporaryTool, m_tool.get()}) {
        if (tool != nullptr && tool->m_captured) {
            tool->m_captured = false;
            tool->OnCaptureLost(newOwner);
            return;
        }
    }
}

void CMouseWnd::OnTimer(int id)
{
    if (m_tool) {
        m_tool->OnTimer(id);
    }
}
