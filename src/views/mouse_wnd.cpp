#include "views/mouse_wnd.h"

void CMouseWnd::SetTool(std::unique_ptr<CMouseTool> tool)
{
    m_tool = std::move(tool);
    if (m_tool) {
        m_tool->m_window = this;
    }
}

void CMouseWnd::OnLButtonDown(unsigned flags, CPoint point)
{
    if (m_tool) {
        m_tool->OnButtonDown(flags, point.x, point.y);
    }
}

void CMouseWnd::OnLButtonDblClk(unsigned flags, CPoint point)
{
    if (m_tool) {
        m_tool->OnDoubleClick(flags, point.x, point.y);
    }
}

void CMouseWnd::OnLButtonUp(unsigned flags, CPoint point)
{
    if (m_tool) {
        m_tool->OnButtonUp(flags, point.x, point.y);
    }
}

void CMouseWnd::OnMouseMove(unsigned flags, CPoint point)
{
    if (m_tool) {
        m_tool->OnMouseMove(flags, point.x, point.y);
    }
}

void CMouseWnd::OnCaptureChanged(CWnd* newOwner)
{
    if (m_tool && m_tool->m_captured) {
        m_tool->m_captured = false;
        m_tool->OnCaptureLost(newOwner);
    }
}

void CMouseWnd::OnTimer(int id)
{
    if (m_tool) {
        m_tool->OnTimer(id);
    }
}
