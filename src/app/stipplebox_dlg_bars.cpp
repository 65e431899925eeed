// The tool bars and the status bar: showing and hiding bars, customising
// them, the state buttons' pictures, the tool bar objects and the version
// dialog.

#include "app/stipplebox_dlg.h"
#include "bars/color_display_wnd.h"
#include "bars/command_ids.h"
#include "bars/mini_palette_wnd.h"
#include "bars/tool_bar_customize_dlg.h"
#include "bars/tool_bar_host.h"
#include "bars/version_dlg.h"
#include "model/stipplebox_data.h"
#include "platform/cmd_ui.h"
#include "platform/message_box.h"

void CStippleboxDlg::AddBarCommands()
{
    m_commandMap.AddRange(
        kCmdToolbarFirst, kCmdToolbarLast, [this](unsigned id) { ToggleToolbar(int(id - kCmdToolbarFirst)); },
        [this](ICmdUI& cmdUI) {
            const int bar = int(cmdUI.GetID() - kCmdToolbarFirst);
            cmdUI.SetCheck(m_toolBars.IsShown(bar));
            cmdUI.SetText(GetToolBarInfos()[size_t(bar)].name);
        });
    m_commandMap.Add(kCmdCustomizeToolbars, [this](unsigned) { OnCustomizeToolbars(); });
    m_commandMap.Add(kCmdVersion, [this](unsigned) {
        CVersionDlg dialog(m_iconManager.Find(CIconManager::kApplicationIcon));
        dialog.DoModal(m_dialogs);
    });
}

void CStippleboxDlg::SetBarsHost(IBarsHost* host)
{
    m_barsHost = host;
    m_toolBars.Load();
    ShowToolBars();
    RefreshToolBars();
}

void CStippleboxDlg::ToggleToolbar(int index)
{
    if (index == kMainToolBar) {
        ShowMessageBox("メインツールバーは非表示にはできません。");
        return;
    }
    m_toolBars.Toggle(index);
    ShowToolBars();
}

void CStippleboxDlg::OnCustomizeToolbars()
{
    CToolBarCustomizeDlg dialog(m_settingsDirectory, m_menuManager, m_iconManager);
    if (dialog.DoModal(m_dialogs)) {
        m_toolBars.ReloadButtons();
        ShowToolBars();
    }
}

void CStippleboxDlg::ShowToolBars()
{
    if (m_barsHost == nullptr) {
        return;
    }
    std::vector<SShownToolBar> bars;
    for (int bar = 0; bar < kToolBarCount; ++bar) {
        if (m_toolBars.IsShown(bar)) {
            bars.push_back({bar, GetToolBarInfos()[size_t(bar)].name, m_toolBars.GetButtons(bar)});
        }
    }
    m_barsHost->ShowToolBars(bars, [this](unsigned id) { return CreateToolBarWindow(id); });
    RefreshToolBars();
}

void CStippleboxDlg::RefreshToolBars()
{
    if (m_barsHost != nullptr) {
        m_barsHost->RefreshToolBars(GetStateButtonPictures());
        m_barsHost->RefreshStatusBar();
    }
}

void CStippleboxDlg::RedrawColorObjects(bool colorDisplay)
{
    if (m_barsHost != nullptr) {
        if (colorDisplay) {
            m_barsHost->RedrawToolBarObject(kCmdColorDisplay);
        }
        m_barsHost->RedrawToolBarObject(kCmdMiniPalette);
        m_barsHost->RefreshStatusBar();
    }
}

std::map<unsigned, unsigned> CStippleboxDlg::GetStateButtonPictures()
{
    std::map<unsigned, unsigned> pictures;
    const uint16_t zoom = m_zoomTable.FindID(m_imageEditWnd.GetZoom());
    pictures[kCmdZoomButton] = zoom != 0 ? unsigned(zoom) : unsigned(kCmdZoom1);
    if (const CMouseTool* tool = m_imageEditWnd.GetTool()) {
        pictures[kCmdToolButton] = unsigned(tool->GetCommandID());
    }
    pictures[kCmdPenSizeButton] = m_penSizeTable.FindID(m_imageEditWnd.GetPenNib().GetSize());
    pictures[kCmdToneButton] = kCmdToneFirst + m_imageEditWnd.GetTone().GetLevel();
    pictures[kCmdFillStyleButton] = kCmdFillStyleFirst + unsigned(m_imageEditWnd.GetFillStyle());
    return pictures;
}

std::unique_ptr<CBarObjectWnd> CStippleboxDlg::CreateToolBarWindow(unsigned id)
{
    switch (id) {
    case kCmdColorDisplay:
        return std::make_unique<CColorDisplayWnd>([this](EColorIndex which) { OpenPaletteWindow(which); });
    case kCmdMiniPalette:
        return std::make_unique<CMiniPaletteWnd>();
    default:
        return nullptr;
    }
}
