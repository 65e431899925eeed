// The tools menu and the drawing settings: tools, pen sizes, tones, fill
// styles, snap and the eyedropper, the grid and general settings dialogs.

#include "app/general_dlg.h"
#include "app/grid_dlg.h"
#include "app/grid_profile.h"
#include "app/stipplebox_dlg.h"
#include "app/tool_factory.h"
#include "app/tool_profile.h"
#include "app/view_profile.h"
#include "bars/command_ids.h"
#include "platform/cmd_ui.h"
#include "tools/image_edit_tool.h"

void CStippleboxDlg::AddToolCommands()
{
    for (const unsigned id : GetToolCommandIDs()) {
        m_commandMap.Add(id, [this](unsigned chosen) { SelectTool(chosen); },
                         [this](ICmdUI& cmdUI) {
                             const CMouseTool* tool = m_imageEditWnd.GetTool();
                             cmdUI.SetCheck(tool != nullptr && unsigned(tool->GetCommandID()) == cmdUI.GetID());
                         });
    }
    m_commandMap.AddRange(
        kCmdPenSizeFirst, kCmdPenSizeLast,
        [this](unsigned id) { m_imageEditWnd.GetPenNib().SetSize(m_penSizeTable.Lookup(uint16_t(id), 1)); },
        [this](ICmdUI& cmdUI) {
            cmdUI.SetCheck(m_imageEditWnd.GetPenNib().GetSize() == m_penSizeTable.Lookup(uint16_t(cmdUI.GetID()), 1));
            cmdUI.Enable(CurrentToolUses(&CImageEditTool::UsesPenSize));
        });
    m_commandMap.AddRange(
        kCmdToneFirst, kCmdToneLast,
        [this](unsigned id) { m_imageEditWnd.GetTone().SetLevel(uint8_t(id - kCmdToneFirst)); },
        [this](ICmdUI& cmdUI) {
            cmdUI.SetCheck(m_imageEditWnd.GetTone().GetLevel() == cmdUI.GetID() - kCmdToneFirst);
            cmdUI.Enable(CurrentToolUses(&CImageEditTool::UsesTone));
        });
    m_commandMap.AddRange(
        kCmdFillStyleFirst, kCmdFillStyleLast,
        [this](unsigned id) { m_imageEditWnd.SetFillStyle(EFillStyle(id - kCmdFillStyleFirst)); },
        [this](ICmdUI& cmdUI) {
            cmdUI.SetCheck(m_imageEditWnd.GetFillStyle() == cmdUI.GetID() - kCmdFillStyleFirst);
            cmdUI.Enable(CurrentToolUses(&CImageEditTool::UsesFillStyle));
        });
    m_commandMap.Add(
        kCmdSnapToGrid, [this](unsigned) { m_toolOptions.snapToGrid = !m_toolOptions.snapToGrid; },
        [this](ICmdUI& cmdUI) {
            cmdUI.SetCheck(m_toolOptions.snapToGrid);
            cmdUI.Enable(CurrentToolUses(&CImageEditTool::UsesSnap));
        });
    m_commandMap.Add(
        kCmdEyedropper, [this](unsigned) { m_toolOptions.eyedropper = !m_toolOptions.eyedropper; },
        [this](ICmdUI& cmdUI) { cmdUI.SetCheck(m_toolOptions.eyedropper); });
    m_commandMap.Add(
        kCmdPixelPerfect, [this](unsigned) { m_toolOptions.pixelPerfect = !m_toolOptions.pixelPerfect; },
        [this](ICmdUI& cmdUI) { cmdUI.SetCheck(m_toolOptions.pixelPerfect); });

    // The state buttons' popups. A pen size means nothing to a tool without
    // a pen, so its button picks the freehand tool instead.
    m_commandMap.Add(kCmdPenSizeButton, [this](unsigned) {
        if (CurrentToolUses(&CImageEditTool::UsesPenSize)) {
            ShowPopupMenu(CMenuManager::kPopupPenSizes, m_host->GetCommandSourceRect());
        } else {
            SelectTool(kCmdToolFreehand);
        }
    });
    m_commandMap.Add(
        kCmdToneButton, [this](unsigned) { ShowPopupMenu(CMenuManager::kPopupTones, m_host->GetCommandSourceRect()); },
        [this](ICmdUI& cmdUI) { cmdUI.Enable(CurrentToolUses(&CImageEditTool::UsesTone)); });
    m_commandMap.Add(
        kCmdFillStyleButton,
        [this](unsigned) { ShowPopupMenu(CMenuManager::kPopupFillStyles, m_host->GetCommandSourceRect()); },
        [this](ICmdUI& cmdUI) { cmdUI.Enable(CurrentToolUses(&CImageEditTool::UsesFillStyle)); });

    m_commandMap.Add(kCmdGridSettings, [this](unsigned) { OnGridSettings(); });
    m_commandMap.Add(kCmdGeneralSettings, [this](unsigned) { OnGeneralSettings(); });
}

bool CStippleboxDlg::CurrentToolUses(bool (CImageEditTool::*query)() const) const
{
    const auto* tool = dynamic_cast<const CImageEditTool*>(m_imageEditWnd.GetTool());
    return tool != nullptr && (tool->*query)();
}

void CStippleboxDlg::OnGridSettings()
{
    CGridDlg dialog(m_imageEditWnd.GetGrid(), m_zoomManager.GetLevels());
    if (dialog.DoModal(m_dialogs)) {
        m_imageEditWnd.SetGrid(dialog.GetGrid());
        SaveImageGrid(m_settingsDirectory / "Grid.ini", dialog.GetGrid());
    }
}

void CStippleboxDlg::OnGeneralSettings()
{
    CGeneralDlg dialog(m_toolOptions.pickByLongPress);
    dialog.SetFitToWindow(m_fitToWindow);
    if (dialog.DoModal(m_dialogs)) {
        m_toolOptions.pickByLongPress = dialog.IsPickingByLongPress();
        SaveToolOptions(m_settingsDirectory / "Tool.ini", m_toolOptions);
        SetFitToWindow(dialog.IsFittingToWindow());
        SaveFitToWindow(m_settingsDirectory / "View.ini", m_fitToWindow);
    }
}
