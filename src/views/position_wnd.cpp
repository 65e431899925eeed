#include "views/position_wnd.h"

#include <memory>

#include "platform/cmd_ui.h"
#include "views/zoom_commands.h"

CPositionWnd::SSettings& CPositionWnd::Settings()
{
    static SSettings settings;
    return settings;
}

CPositionWnd::CPositionWnd()
{
    SelectTool(Settings().tool);
    m_imageWnd.SetZoom(Settings().zoom, false);
}

bool CPositionWnd::OnCommand(unsigned id)
{
    if (id == kCmdPositionTool || id == kCmdToolScroll) {
        SelectTool(id);
        return true;
    }
    if (const std::optional<int> zoom = GetCommandZoom(id, Settings().zoom)) {
        Settings().zoom = *zoom;
        m_imageWnd.SetZoom(*zoom, true);
        ButtonsChanged();
        return true;
    }
    return false;
}

void CPositionWnd::OnUpdateCommand(ICmdUI& cmdUI)
{
    if (cmdUI.GetID() == kCmdPositionTool || cmdUI.GetID() == kCmdToolScroll) {
        cmdUI.SetCheck(Settings().tool == cmdUI.GetID());
        return;
    }
    UpdateZoomCommand(cmdUI, Settings().zoom);
}

void CPositionWnd::Refresh()
{
    m_imageWnd.ResetView(false);
}

void CPositionWnd::SelectTool(unsigned id)
{
    Settings().tool = id;
    std::unique_ptr<CMouseTool> tool;
    if (id == kCmdToolScroll) {
        tool = std::make_unique<CImageToolPalm>();
    } else {
        tool = std::make_unique<CPositionImageToolNormal>();
    }
    tool->SetCommandID(int(id));
    m_imageWnd.SetTool(std::move(tool));
    ButtonsChanged();
}

void CPositionWnd::ButtonsChanged()
{
    if (m_buttonsChanged) {
        m_buttonsChanged();
    }
}
