#include "app/stipplebox_dlg.h"

#include <algorithm>

#include "app/document_recovery.h"
#include "app/grid_profile.h"
#include "app/new_document.h"
#include "app/tool_factory.h"
#include "app/tool_profile.h"
#include "bars/command_ids.h"
#include "formats/standard_serializers.h"
#include "model/stipplebox_accessor.h"
#include "model/stipplebox_data.h"
#include "model/stipplebox_image_selection.h"
#include "platform/cmd_ui.h"
#include "platform/message_box.h"

namespace {

std::vector<int> SortedValues(const CCommandIDDataManager& table)
{
    std::vector<int> values;
    table.GetValues(values);
    std::sort(values.begin(), values.end());
    return values;
}

}  // namespace

CStippleboxDlg::CStippleboxDlg(std::filesystem::path settingsDirectory, IModalDialogs& dialogs)
    : m_settingsDirectory(std::move(settingsDirectory)),
      m_dialogs(dialogs),
      m_commandManager(std::make_unique<CCommandManager>()),
      m_zoomTable(CreateZoomTable()),
      m_penSizeTable(CreatePenSizeTable()),
      m_zoomManager(SortedValues(m_zoomTable)),
      m_toolBars(m_settingsDirectory)
{
    AddStandardSerializers(m_serializers);
    m_imageEditWnd.SetOverscroll(true);
    m_imageEditWnd.GetNavigator().SetZoomLevels(&m_zoomManager);
    m_imageEditWnd.SetViewListener(this);
    BuildCommandMap();
    CStippleboxAccessor::SContext& context = CStippleboxAccessor::GetContext();
    context.imageEditWnd = &m_imageEditWnd;
    context.mainDialog = this;
}

CStippleboxDlg::~CStippleboxDlg()
{
    m_paletteWindow.Close();
    CStippleboxAccessor::SContext& context = CStippleboxAccessor::GetContext();
    if (context.mainDialog == this) {
        context = {};
    }
}

void CStippleboxDlg::OnInitDialog(IDialogHost& host)
{
    m_host = &host;
    m_recovery = std::make_unique<CDocumentRecovery>(m_settingsDirectory / "Recovery");
    LoadKeys();
    m_imageEditWnd.SetGrid(LoadImageGrid(m_settingsDirectory / "Grid.ini"));
    LoadToolOptions(m_settingsDirectory / "Tool.ini", m_toolOptions);
    LoadViewSettings();
    SelectTool(kCmdToolScroll);
    InstallDocument(CreateStartupDocument(), {});
    m_toolWindows.SetHost(host);
    m_toolWindows.ExchangeSettings(m_settingsDirectory, false);
    ExchangePaletteWindowState(false);
}

void CStippleboxDlg::InstallDocument(std::unique_ptr<CStippleboxData> document, std::filesystem::path path)
{
    ClosePaletteWindow(false);
    m_document = std::move(document);
    CStippleboxAccessor::GetContext().document = m_document.get();
    m_documentPath = std::move(path);
    m_commandManager = std::make_unique<CCommandManager>();
    m_document->SetLayerDisplayMode(m_layerDisplayMode);
    m_imageEditWnd.AttachDocument(m_document.get());
    m_imageEditWnd.ResetView(true);
    RedrawColorObjects(true);
    RefreshToolBars();
    m_toolWindows.OnDocumentInstalled();
    OnDocumentStateChanged();
}

bool CStippleboxDlg::OnCommand(unsigned id)
{
    const bool routed = m_commandMap.Execute(id);
    RefreshToolBars();
    OnDocumentStateChanged();
    return routed;
}

void CStippleboxDlg::OnUpdateCommand(ICmdUI& cmdUI)
{
    m_commandMap.Update(cmdUI);
}

void CStippleboxDlg::OnClose()
{
    OnFileExit();
}

void CStippleboxDlg::BuildCommandMap()
{
    AddFileCommands();
    m_commandMap.Add(
        kCmdUndo, [this](unsigned) { m_commandManager->Undo(nullptr); },
        [this](ICmdUI& cmdUI) { m_commandManager->OnUpdateUndo(cmdUI); });
    m_commandMap.Add(
        kCmdRedo, [this](unsigned) { m_commandManager->Redo(nullptr); },
        [this](ICmdUI& cmdUI) { m_commandManager->OnUpdateRedo(cmdUI); });
    AddEditCommands();
    AddToolCommands();
    AddViewCommands();
    AddLayerCommands();
    AddSelectionCommands();
    AddPaletteCommands();
    AddBarCommands();
    AddWindowCommands();
    AddLayerDisplayModeCommands();
    AddPaletteWindowCommands();
    AddKeyCommands();
    AddExchangeCommands();
    const auto popupAtSource = [this](int menu) {
        return [this, menu](unsigned) { ShowPopupMenu(menu, m_host->GetCommandSourceRect()); };
    };
    m_commandMap.Add(kCmdMenuButton, popupAtSource(CMenuManager::kPopupMainMenu));
    m_commandMap.Add(kCmdZoomButton, popupAtSource(CMenuManager::kPopupZoom));
    m_commandMap.Add(kCmdToolButton, popupAtSource(CMenuManager::kPopupTools));
}

void CStippleboxDlg::AddViewCommands()
{
    std::vector<int> zooms;
    m_zoomTable.GetValues(zooms);
    for (const int zoom : zooms) {
        m_commandMap.Add(
            m_zoomTable.FindID(zoom), [this, zoom](unsigned) { SetZoom(zoom); },
            [this, zoom](ICmdUI& cmdUI) { cmdUI.SetCheck(m_imageEditWnd.GetZoom() == zoom); });
    }
    m_commandMap.Add(
        kCmdZoomIn, [this](unsigned) { SetZoom(m_zoomManager.ZoomIn(m_imageEditWnd.GetZoom())); },
        [this](ICmdUI& cmdUI) { cmdUI.Enable(m_zoomManager.CanZoomIn(m_imageEditWnd.GetZoom())); });
    m_commandMap.Add(
        kCmdZoomOut, [this](unsigned) { SetZoom(m_zoomManager.ZoomOut(m_imageEditWnd.GetZoom())); },
        [this](ICmdUI& cmdUI) { cmdUI.Enable(m_zoomManager.CanZoomOut(m_imageEditWnd.GetZoom())); });
    m_commandMap.Add(
        kCmdGrid, [this](unsigned) { m_imageEditWnd.SetGridShown(!m_imageEditWnd.IsGridShown()); },
        [this](ICmdUI& cmdUI) {
            cmdUI.SetCheck(m_imageEditWnd.IsGridShown());
            cmdUI.Enable(m_imageEditWnd.GetZoom() >= m_imageEditWnd.GetGrid().intervalGridMinZoom);
        });
    m_commandMap.Add(
        kCmdOnionSkin,
        [this](unsigned) {
            m_document->SetOnionSkin(!m_document->IsOnionSkin());
            m_imageEditWnd.GetLayerCache().Rebuild();
            m_imageEditWnd.RepaintAll(true);
            OnLayerRowsChanged();
        },
        [this](ICmdUI& cmdUI) { cmdUI.SetCheck(m_document->IsOnionSkin()); });
}

bool CStippleboxDlg::ExecuteCommand(std::unique_ptr<CCommand> command)
{
    const bool executed = m_commandManager->Execute(std::move(command), true);
    RefreshToolBars();
    OnDocumentStateChanged();
    return executed;
}

void CStippleboxDlg::OnLayersChanged(bool layerList)
{
    m_imageEditWnd.GetLayerCache().Rebuild();
    m_imageEditWnd.RefreshBackup();
    m_imageEditWnd.RebuildSelectionFrame();
    m_imageEditWnd.RestartFrameTimer();
    m_imageEditWnd.RepaintAll(true);
    m_toolWindows.OnLayersChanged(layerList);
}

void CStippleboxDlg::OnLayerRowsChanged()
{
    m_toolWindows.OnLayerRowsChanged();
}

void CStippleboxDlg::OnCanvasResized()
{
    m_imageEditWnd.MakeBackup(true);
    m_imageEditWnd.GetLayerCache().Rebuild();
    m_imageEditWnd.RebuildSelectionFrame();
    m_imageEditWnd.ResetView(false);
    m_toolWindows.OnCanvasResized();
}

void CStippleboxDlg::SetZoom(int zoom)
{
    m_imageEditWnd.SetZoom(zoom, true);
    RefreshToolBars();
}

void CStippleboxDlg::SelectTool(unsigned id)
{
    const CMouseTool* current = m_imageEditWnd.GetTool();
    if (current != nullptr && unsigned(current->GetCommandID()) == id) {
        return;
    }
    m_imageEditWnd.SetTool(CreateTool(id));
    RefreshToolBars();
}

void CStippleboxDlg::ShowPopupMenu(int menu, const CRect& rect)
{
    const SMenuItem* popup = m_menuManager.FindPopupMenu(menu);
    if (popup == nullptr) {
        ShowMessageBox("メニューの表示に失敗しました。");
        return;
    }
    const bool above = rect.top >= m_host->GetScreenSize().cy / 2;
    m_host->TrackPopupMenu(*popup, {rect.left, above ? rect.top : rect.bottom}, above);
}
