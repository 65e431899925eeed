// Which layers the canvas shows besides the current one: a choice of the
// layer cache's display modes, kept for every document until the program
// ends. The onion skin, when on, still shows the current layer alone.
#include "app/stipplebox_dlg.h"
#include "bars/command_ids.h"
#include "model/stipplebox_data.h"
#include "platform/cmd_ui.h"

void CStippleboxDlg::AddLayerDisplayModeCommands()
{
    m_commandMap.AddRange(
        kCmdLayerDisplayModeFirst, kCmdLayerDisplayModeLast,
        [this](unsigned id) {
            m_layerDisplayMode = uint8_t(id - kCmdLayerDisplayModeFirst);
            m_document->SetLayerDisplayMode(m_layerDisplayMode);
            m_imageEditWnd.GetLayerCache().Rebuild();
            m_imageEditWnd.RepaintAll(true);
            OnLayerRowsChanged();
        },
        [this](ICmdUI& cmdUI) { cmdUI.SetCheck(m_layerDisplayMode == cmdUI.GetID() - kCmdLayerDisplayModeFirst); });
}
