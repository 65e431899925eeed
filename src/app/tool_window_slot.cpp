#include "app/tool_window_slot.h"

#include "app/framework_wnd.h"
#include "app/ini_profile.h"

CToolWindowSlot::CToolWindowSlot() = default;

CToolWindowSlot::~CToolWindowSlot()
{
    Close();
}

void CToolWindowSlot::Open(std::unique_ptr<CFrameworkWnd> window, IDialogHost& host, std::function<void()> onClose)
{
    Close();
    m_window = std::move(window);
    m_window->SetCloseHandler(std::move(onClose));
    m_frame = host.CreateToolWindow(*m_window, m_place);
}

void CToolWindowSlot::Close()
{
    if (m_frame) {
        m_place = m_frame->GetWindowRect();
    }
    m_frame.reset();
    m_window.reset();
}

bool CToolWindowSlot::ExchangeState(CIniProfile& profile, bool saving)
{
    if (saving && m_frame) {
        m_place = m_frame->GetWindowRect();
    }
    bool visible = IsOpen();
    profile.Exchange(saving, "", "Rect", m_place);
    profile.Exchange(saving, "", "Visible", visible);
    return visible;
}
