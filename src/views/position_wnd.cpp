#include "views/position_wnd.h"

#include "bars/menu_manager.h"
#include "platform/cmd_ui.h"
#include "views/view_tool.h"
#include "views/zoom_commands.h"

CPositionWnd::SSettings& CPositionWnd::Settings()
{
    static SSettings settings;
    return settings;
}

CPositionWnd::CPositionWnd(ICommandTarget& owner, const CMenuManager& menus)
    : CFrameworkWnd(owner), m_menu(*menus.FindPopupMenu(CMenuManager::kPopupPosition))
{
    SetTitle("ポジション");
    AddChild(m_imageWnd);
    AddButton(kCmdMenuButton, "メニュー");
    AddMenuButton(kCmdPositionToolButton, *menus.FindPopupMenu(CMenuManager::kPopupPositionTools));
    AddMenuButton(kCmdPositionZoomButton, *menus.FindPopupMenu(CMenuManager::kPopupZoom));
    for (const unsigned id : {kCmdPositionTool, kCmdToolScroll}) {
        Commands().Add(
            id, [this](unsigned chosen) { SelectTool(chosen); },
            [](ICmdUI& cmdUI) { cmdUI.SetCheck(Settings().tool == cmdUI.GetID()); });
    }
    AddZoomCommands(Commands(), [] { return Settings().zoom; }, [this](int zoom) { SetZoom(zoom); });
    SelectTool(Settings().tool);
    m_imageWnd.SetZoom(Settings().zoom, false);
}

CSize CPositionWnd::GetDefaultClientSize() const
{
    const int unit = GetDisplayScale();
    return {128 * unit, 128 * unit};
}

void CPositionWnd::OnSize(int width, int height)
{
    MoveChild(m_imageWnd, {0, 0, width, height});
}

void CPositionWnd::Refresh()
{
    m_imageWnd.ResetView(false);
}

void CPositionWnd::SelectTool(unsigned id)
{
    Settings().tool = id;
    SetViewTool<CPositionImageToolNormal>(m_imageWnd, id);
}

void CPositionWnd::SetZoom(int zoom)
{
    Settings().zoom = zoom;
    m_imageWnd.SetZoom(zoom, true);
}
