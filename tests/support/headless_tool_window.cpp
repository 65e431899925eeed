#include "support/headless_tool_window.h"

#include <algorithm>

CHeadlessToolWindow::CHeadlessToolWindow(CFrameworkWnd& window, const CRect& place) : m_window(window)
{
    const CSize client = m_window.GetDefaultClientSize();
    m_place = place.IsRectEmpty() ? CRect{900, 100, 900 + client.cx, 100 + client.cy} : place;
    for (CWnd* child : m_window.GetChildren()) {
        m_children.push_back({std::make_unique<CHeadlessWindowHost>(*child), {}});
    }
    m_window.AttachHost(this);
    m_title = m_window.GetTitle();
    Resize(client);
}

CHeadlessToolWindow::~CHeadlessToolWindow()
{
    m_window.AttachHost(nullptr);
}

void CHeadlessToolWindow::Resize(CSize client)
{
    m_window.OnSize(client.cx, client.cy);
}

void CHeadlessToolWindow::MoveChild(CWnd& child, const CRect& rect)
{
    SChild& found = m_children.at(IndexOf(child));
    const CSize size{rect.Width(), rect.Height()};
    if (found.size != size) {
        found.size = size;
        child.OnSize(size.cx, size.cy);
    }
}

bool CHeadlessToolWindow::ClickButton(unsigned id, const CRect& source)
{
    const auto& buttons = m_window.GetButtons();
    if (std::none_of(buttons.begin(), buttons.end(), [id](const auto& button) { return button.id == id; })) {
        return false;
    }
    m_commandSource = source;
    const bool handled = m_window.OnCommand(id);
    m_commandSource = {};
    return handled;
}

void CHeadlessToolWindow::DeliverPostedClose()
{
    if (m_closePosted) {
        m_closePosted = false;
        m_window.OnPostedClose();
    }
}

CHeadlessWindowHost& CHeadlessToolWindow::ChildHost(const CWnd& child)
{
    return *m_children.at(IndexOf(child)).host;
}

size_t CHeadlessToolWindow::IndexOf(const CWnd& child) const
{
    const auto& children = m_window.GetChildren();
    return size_t(std::find(children.begin(), children.end(), &child) - children.begin());
}
