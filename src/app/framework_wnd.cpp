#include "app/framework_wnd.h"

#include "bars/command_ids.h"
#include "platform/cmd_ui.h"
#include "platform/recording_cmd_ui.h"

CFrameworkWnd::CFrameworkWnd(ICommandTarget& owner) : m_owner(owner)
{
    m_commands.Add(
        kCmdWindowPin, [this](unsigned) { SetPinned(!m_pinned); },
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

void CFrameworkWnd::AddMenuButton(unsigned id, SMenuItem menu)
{
    AddButton(id, menu.label);
    m_commands.Add(
        id,
        [this, menu](unsigned) {
            if (m_host != nullptr) {
                const CRect button = m_host->GetCommandSourceRect();
                ShowPopupMenu(menu, {button.left, button.bottom});
            }
        },
        [this, menu](ICmdUI& cmdUI) {
            std::string face = menu.label;
            for (const SMenuItem& item : menu.items) {
                if (item.id == 0) {
                    continue;
                }
                CRecordingCmdUI state(item.id);
                OnUpdateCommand(state);
                if (state.GetChecked().value_or(false)) {
                    face = item.label;
                }
            }
            cmdUI.SetText(face);
        });
}

void CFrameworkWnd::OnScroll(unsigned, EScroll, int) {}

void CFrameworkWnd::SetPinned(bool pinned)
{
    m_pinned = pinned;
    if (m_host != nullptr) {
        m_host->UpdateButtons();
    }
}

int CFrameworkWnd::AddScrollBar(unsigned id, bool vertical)
{
    SScrollBar bar;
    bar.id = id;
    bar.vertical = vertical;
    m_scrollBars.push_back(bar);
    return int(m_scrollBars.size()) - 1;
}

void CFrameworkWnd::SetScrollBar(int index, int minimum, int maximum, int line, int page, int position)
{
    SScrollBar& bar = m_scrollBars[index];
    bar.minimum = minimum;
    bar.maximum = maximum;
    bar.line = line;
    bar.page = page;
    bar.position = position;
    ShowScrollBar(index);
}

void CFrameworkWnd::MoveScrollBar(int index, const CRect& rect)
{
    m_scrollBars[index].rect = rect;
    ShowScrollBar(index);
}

void CFrameworkWnd::ShowScrollBar(int index)
{
    if (m_host != nullptr) {
        m_host->ShowScrollBar(index, m_scrollBars[index]);
    }
}

SMenuItem CFrameworkWnd::BuildMenu() const
{
    return {};
}
