#include "app/framework_wnd.h"

#include "bars/command_ids.h"
#include "platform/cmd_ui.h"

CFrameworkWnd::CFrameworkWnd(ICommandTarget& owner) : m_owner(owner)
{
    m_commands.Add(
        kCmdWindowPin,
        [this](unsigned) {
            m_pinned = !m_pinned;
            if (m_host != nullptr) {
                m_host->UpdateButtons();
            }
        },
        [this](ICmdUI& cmdUI) { cmdUI.SetCheck(m_pinned); });
    m_commands.Add(kCmdWindowClose, [this](unsigned) { Close(); });
    m_commands.Add(kCmdMenuButton, [this](unsigned) {
        if (m_host != nullptr) {
            const CRect button = m_host->GetCommandSourceRect();
            ShowPopupMenu(BuildMenu(), {button.left, button.bottom});
        }
    });
}

CFrameworkWnd::~CFrameworkWnd() = default;

bool CFrameworkWnd::OnCommand(unsigned id)
{
    return m_commands.Execute(id) || m_owner.OnCommand(id);
}

void CFrameworkWnd::OnUpdateCommand(ICmdUI& cmdUI)
{
    if (m_commands.Contains(cmdUI.GetID())) {
        m_commands.Update(cmdUI);
    } else {
        m_owner.OnUpdateCommand(cmdUI);
    }
}

void CFrameworkWnd::Close()
{
    if (m_host != nullptr) {
        m_host->PostClose();
    }
}

void CFrameworkWnd::OnPostedClose()
{
    if (m_closeHandler) {
        m_closeHandler();
    }
}

void CFrameworkWnd::ShowPopupMenu(const SMenuItem& menu, CPoint point)
{
    if (m_host != nullptr && !menu.items.empty()) {
        m_host->TrackPopupMenu(menu, point);
    }
}

void CFrameworkWnd::SetTitle(std::string title)
{
    m_title = std::move(title);
    if (m_host != nullptr) {
        m_host->SetWindowText(m_title);
    }
}

int CFrameworkWnd::AddLabel()
{
    m_labels.emplace_back();
    return int(m_labels.size()) - 1;
}

void CFrameworkWnd::MoveChild(CWnd& child, const CRect& rect)
{
    if (m_host != nullptr) {
        m_host->MoveChild(child, rect);
    }
}

void CFrameworkWnd::SetLabelText(int index, std::string text)
{
    if (m_labels[index].text != text) {
        m_labels[index].text = std::move(text);
        ShowLabel(index);
    }
}

void CFrameworkWnd::MoveLabel(int index, const CRect& rect, bool alignRight)
{
    m_labels[index].rect = rect;
    m_labels[index].alignRight = alignRight;
    ShowLabel(index);
}

void CFrameworkWnd::ShowLabel(int index)
{
    if (m_host != nullptr) {
        m_host->ShowLabel(index, m_labels[index]);
    }
}

SMenuItem CFrameworkWnd::BuildMenu() const
{
    return {};
}
