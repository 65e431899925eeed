// The main dialog's commands that open and close the floating tool windows.
#include "app/stipplebox_dlg.h"
#include "bars/command_ids.h"
#include "platform/cmd_ui.h"

void CStippleboxDlg::AddWindowCommands()
{
    const auto window = [this](unsigned id, void (CToolWindows::*toggle)(), auto isOpen) {
        m_commandMap.Add(
            id, [this, toggle](unsigned) { (m_toolWindows.*toggle)(); },
            [this, isOpen](ICmdUI& cmdUI) { cmdUI.SetCheck((m_toolWindows.*isOpen)() != nullptr); });
    };
    window(kCmdLayerWindow, &CToolWindows::ToggleLayerWindow, &CToolWindows::GetLayerWnd);
    window(kCmdPlayerWindow, &CToolWindows::TogglePlayerWindow, &CToolWindows::GetPlayerWnd);
    window(kCmdPositionWindow, &CToolWindows::TogglePositionWindow, &CToolWindows::GetPositionWnd);
}
