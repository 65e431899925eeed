#include "views/layer_wnd.h"

#include "bars/command_ids.h"
#include "platform/cmd_ui.h"

CLayerWnd::SSettings& CLayerWnd::Settings()
{
    static SSettings settings;
    return settings;
}

bool CLayerWnd::OnCommand(unsigned id)
{
    switch (id) {
    case kCmdWindowPin:
        Settings().pinned = !Settings().pinned;
        return true;
    case kCmdWindowClose:
        m_close();
        return true;
    default:
        return false;
    }
}

void CLayerWnd::OnUpdateCommand(ICmdUI& cmdUI)
{
    if (cmdUI.GetID() == kCmdWindowPin) {
        cmdUI.SetCheck(Settings().pinned);
    }
}

void CLayerWnd::OnCurrentLayerTapped()
{
    if (!Settings().pinned) {
        m_close();
    }
}

void CLayerWnd::OnListScrolled()
{
    if (m_scrollChanged) {
        m_scrollChanged();
    }
}
