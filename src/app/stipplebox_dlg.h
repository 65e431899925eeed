#pragma once

#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "app/accelerator.h"
#include "app/command_map.h"
#include "app/tool_sub_key.h"
#include "app/tool_windows.h"
#include "app/tool_window_slot.h"
#include "bars/icon_manager.h"
#include "bars/menu_manager.h"
#include "bars/tool_bar_set.h"
#include "commands/clipboard.h"
#include "commands/command_id_data_manager.h"
#include "commands/command_manager.h"
#include "commands/main_dialog.h"
#include "formats/serializer_list.h"
#include "palette/palette_wnd_settings.h"
#include "platform/dialog_host.h"
#include "tools/tool_options.h"
#include "views/image_edit_wnd.h"
#include "views/image_view_listener.h"
#include "views/zoom_manager.h"

class CClaimedSnapshot;
class CDocumentRecovery;
class CImageEditTool;
class CPaletteWnd;
class CBarObjectWnd;
class IBarsHost;
class CStippleboxData;
class IModalDialogs;

// The program's main dialog: it owns the one open document with its path and
// undo history, the formats, the menus and the canvas, and turns the command
// IDs of menus and buttons into actions.
class CStippleboxDlg final : public ICommandTarget,
                             public IMainDialog,
                             public IAcceleratorTarget,
                             public IImageViewListener {
public:
    CStippleboxDlg(std::filesystem::path settingsDirectory, IModalDialogs& dialogs);
    ~CStippleboxDlg() override;
    CStippleboxDlg(const CStippleboxDlg&) = delete;
    CStippleboxDlg& operator=(const CStippleboxDlg&) = delete;

    // Starts with the start-up document in the canvas; the host carries the
    // dialog from now on.
    void OnInitDialog(IDialogHost& host);

    bool OnCommand(unsigned id) override;
    void OnUpdateCommand(ICmdUI& cmdUI) override;
    // Closing the window is Exit.
    void OnClose() override;
    // Follows the held keys, sends the command of a shortcut key, and keeps
    // every key from the window's controls.
    bool PreTranslateKeyMessage(const SKeyMessage& message) override;
    std::string GetKeyText(unsigned id) const override;
    bool IsPointerCaptured() const override;
    bool IsInputEnabled() const override;
    // As from its menu item: a command greyed out there is not run.
    void OnKeyCommand(unsigned id) override;

    // Whether the open document may be discarded: asks to save a changed one.
    bool AskSave();
    // Saves to the document path (Save As when there is none); false when
    // nothing was saved.
    bool SaveDocument();
    // Makes the document the open one, with a fresh undo history.
    void InstallDocument(std::unique_ptr<CStippleboxData> document, std::filesystem::path path);
    // Reads the file into a new document; the open one stays on failure.
    void OpenFile(const std::filesystem::path& path);

    // Once the window shows: offers what editors that ended without cleaning
    // up left to restore, then opens the files named on the command line.
    void OnStartup(const std::vector<std::filesystem::path>& files);
    // Files dropped on the window open once the open document may go.
    void OnDropFiles(const std::vector<std::filesystem::path>& files);
    void OnTimer(int id) override;
    CDocumentRecovery* GetRecovery() const { return m_recovery.get(); }

    bool ExecuteCommand(std::unique_ptr<CCommand> command) override;
    void OnLayersChanged(bool layerList) override;
    void OnLayerRowsChanged() override;
    void OnCanvasResized() override;
    void SetColorIndex(EColorIndex which, uint8_t index) override;
    void OnPaletteEntryChanged(int index, bool refreshBars, bool repaint) override;
    void OnPaletteChanged(bool repaint, bool bars, bool list, bool resetList) override;
    void OnCurrentPaletteChanged() override;
    CClipboard& GetClipboard() override { return m_clipboard; }
    SToolOptions& GetToolOptions() override { return m_toolOptions; }
    bool IsToolSubKeyHeld(EToolSubKey function) const override;

    void SetZoom(int zoom);
    // Moves the current layer's selection one pixel in the direction, or,
    // without one, scrolls the canvas by a quarter of the view.
    void Nudge(int dx, int dy);
    void SelectTool(unsigned id);
    // Whether a new or opened picture is zoomed to fit the canvas.
    void SetFitToWindow(bool fit);
    // The bars show the new zoom.
    void OnZoomChanged(int zoom) override;
    // Shows a popup menu at the rectangle (screen coordinates): above it in
    // the lower half of the screen, else below it.
    void ShowPopupMenu(int menu, const CRect& rect);

    // The window that shows the tool bars and the status bar; none leaves
    // them unshown (tests of other things).
    void SetBarsHost(IBarsHost* host);
    // Hides a shown tool bar or shows a hidden one; the main bar stays.
    void ToggleToolbar(int index);
    // Brings the tool bar buttons and the status bar up to date.
    void RefreshToolBars();
    const CToolBarSet& GetToolBars() const { return m_toolBars; }

    CStippleboxData* GetDocument() const { return m_document.get(); }
    CCommandManager& GetCommandManager() const { return *m_commandManager; }
    const std::filesystem::path& GetDocumentPath() const { return m_documentPath; }
    CImageEditWnd& GetImageEditWnd() { return m_imageEditWnd; }
    const CMenuManager& GetMenuManager() const { return m_menuManager; }
    const CIconManager& GetIconManager() const { return m_iconManager; }
    CToolWindows& GetToolWindows() { return m_toolWindows; }

    // Opens the palette window for the colour or, when it is open, turns it
    // to that colour and brings it to the front.
    void OpenPaletteWindow(EColorIndex which);
    // Closes the palette window if it is open; with refresh the tool bars
    // follow.
    void ClosePaletteWindow(bool refresh);
    // Null while the palette window is closed.
    CPaletteWnd* GetPaletteWnd() const;

private:
    void BuildCommandMap();
    void AddFileCommands();
    void AddViewCommands();
    void AddEditCommands();
    void AddToolCommands();
    void AddLayerCommands();
    void AddSelectionCommands();
    void AddPaletteCommands();
    void AddBarCommands();
    void AddWindowCommands();
    void AddLayerDisplayModeCommands();
    void AddPaletteWindowCommands();
    // Palette files and sprite sheets.
    void AddExchangeCommands();

    void OnFileNew();
    void OnFileOpen();
    bool OnFileSaveAs();
    void OnExportLayers();
    void OnExportAnimatedGif();
    void OnFileExit();
    void OnOpenGifLayers();
    // The first file opens; the user hears which others stay closed.
    void OpenFiles(const std::vector<std::filesystem::path>& files);

    // The window title and the recovery snapshot follow every change of the
    // document, its path or its saved state.
    void OnDocumentStateChanged();
    void UpdateRecoverySnapshot();
    void OfferRecovery();
    // True when the user restored the snapshot.
    bool OfferSnapshot(CClaimedSnapshot& snapshot);
    void OnPaletteProperty();
    bool HasSelection() const;

    // Copies the current selection, or the linked layers whole, to the
    // editor's clipboard.
    void CopyToClipboard();
    // Runs a dialog whose OK makes a command, and executes that command.
    template <class Dialog>
    void ExecuteFromDialog(Dialog& dialog);
    void OnCanvasSize();
    void OnScaling();
    void OnRotate();
    // Scaling and rotation change the canvas size without a selection, so
    // they need every layer in the current layer's link group.
    bool CanTransformCanvas() const;

    // The current tool's answer; the hand tool uses none of the settings.
    bool CurrentToolUses(bool (CImageEditTool::*query)() const) const;
    void OnGridSettings();
    void OnGeneralSettings();

    void OnDelayAll();
    void OnLayerProperty();

    void ShowToolBars();
    // Repaints the colour display (with colorDisplay) and the mini palette.
    void RedrawColorObjects(bool colorDisplay);
    // The command whose icon each state button shows: the current choice.
    std::map<unsigned, unsigned> GetStateButtonPictures();
    std::unique_ptr<CBarObjectWnd> CreateToolBarWindow(unsigned id);
    void OnCustomizeToolbars();
    void LoadViewSettings();
    void LoadKeys();
    void AddKeyCommands();
    void OnShortcutKeySettings();
    void OnToolSubKeySettings();

    // "PaletteWnd": the colour space, the place and whether the window was
    // open. Loading opens it again when it was.
    void ExchangePaletteWindowState(bool saving);

    std::filesystem::path m_settingsDirectory;
    IModalDialogs& m_dialogs;
    IDialogHost* m_host = nullptr;
    std::unique_ptr<CStippleboxData> m_document;
    std::unique_ptr<CCommandManager> m_commandManager;
    std::filesystem::path m_documentPath;
    CCommandIDDataManager m_zoomTable;
    CCommandIDDataManager m_penSizeTable;
    CZoomManager m_zoomManager;
    CSerializerList m_serializers;
    CMenuManager m_menuManager;
    CIconManager m_iconManager;
    CImageEditWnd m_imageEditWnd;
    CToolWindows m_toolWindows{*this, m_imageEditWnd, m_menuManager, m_iconManager};
    // Which layers the canvas shows, for every document of the run.
    uint8_t m_layerDisplayMode = 0;
    CCommandMap m_commandMap;
    CClipboard m_clipboard;
    SToolOptions m_toolOptions;
    CToolBarSet m_toolBars;
    IBarsHost* m_barsHost = nullptr;
    CAccelerator m_accelerator;
    CToolSubKey m_toolSubKey;
    bool m_fitToWindow = false;
    std::unique_ptr<CDocumentRecovery> m_recovery;
    std::string m_windowTitle;
    SPaletteWndSettings m_paletteWndSettings;
    // Last, so that the window goes while all it refers to is still there.
    CToolWindowSlot m_paletteWindow;
};
