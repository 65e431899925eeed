// The main dialog's selection commands: select all, drop, the transparent
// background option and the nudges that move a selection.
#include "app/stipplebox_dlg.h"

#include "bars/command_ids.h"
#include "commands/command_image_selection.h"
#include "model/stipplebox_data.h"
#include "model/stipplebox_image_selection.h"
#include "platform/cmd_ui.h"
#include "tools/image_edit_tool.h"

void CStippleboxDlg::AddSelectionCommands()
{
    m_commandMap.Add(kCmdSelectAll, [this](unsigned) {
        ExecuteCommand(std::make_unique<CCommandImageSelectionNew>(CRect{0, 0, m_document->GetWidth(), m_document->GetHeight()}));
    });
    m_commandMap.Add(
        kCmdSelectNone,
        [this](unsigned) {
            ExecuteCommand(std::make_unique<CCommandImageSelectionCancel>(m_toolOptions.transparentSelection));
        },
        [this](ICmdUI& cmdUI) { cmdUI.Enable(HasSelection()); });
    m_commandMap.Add(
        kCmdTransparentSelection,
        [this](unsigned) { m_toolOptions.transparentSelection = !m_toolOptions.transparentSelection; },
        [this](ICmdUI& cmdUI) {
            cmdUI.SetCheck(m_toolOptions.transparentSelection);
            cmdUI.Enable(CurrentToolUses(&CImageEditTool::UsesSelectionOption));
        });
    m_commandMap.Add(kCmdScrollLeft, [this](unsigned) { Nudge(-1, 0); });
    m_commandMap.Add(kCmdScrollRight, [this](unsigned) { Nudge(1, 0); });
    m_commandMap.Add(kCmdScrollUp, [this](unsigned) { Nudge(0, -1); });
    m_commandMap.Add(kCmdScrollDown, [this](unsigned) { Nudge(0, 1); });
}

bool CStippleboxDlg::HasSelection() const
{
    return m_document->GetCurrentLayer()->GetSelection().HasMask();
}

void CStippleboxDlg::Nudge(int dx, int dy)
{
    if (!HasSelection()) {
        m_imageEditWnd.ScrollBySteps(dx, dy);
        return;
    }
    const CPoint topLeft = m_document->GetCurrentLayer()->GetSelection().GetRect().TopLeft();
    ExecuteCommand(std::make_unique<CCommandImageSelectionMove>(CPoint{topLeft.x + dx, topLeft.y + dy}));
}
