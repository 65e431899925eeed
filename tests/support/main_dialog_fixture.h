#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "app/accelerator_dlg.h"
#include "app/delay_all_dlg.h"
#include "app/general_dlg.h"
#include "app/grid_dlg.h"
#include "app/image_resize_dlg.h"
#include "app/image_rotate_dlg.h"
#include "app/image_scaling_dlg.h"
#include "app/layer_property_dlg.h"
#include "app/modal_dialogs.h"
#include "app/new_document_dlg.h"
#include "app/palette_property_dlg.h"
#include "app/sprite_sheet_dlg.h"
#include "app/stipplebox_dlg.h"
#include "app/tool_sub_key_dlg.h"
#include "bars/tool_bar_customize_dlg.h"
#include "bars/version_dlg.h"
#include "commands/command.h"
#include "platform/dialog_host.h"
#include "platform/headless_file_dialog.h"
#include "platform/recording_cmd_ui.h"
#include "support/headless_message_box_scope.h"
#include "support/headless_tool_window.h"
#include "support/scratch_directory.h"

// The real main dialog, headless: scripted dialogs and message boxes, a
// recording window host and a scratch settings folder.
// Fills the new-document form as a user would, or cancels it.
class CScriptedDialogs final : public IModalDialogs {
public:
    bool RunNewDocument(CNewDocumentDlg& dialog) override
    {
        ++newDocumentRuns;
        seenSize = {dialog.GetWidth(), dialog.GetHeight()};
        if (!answer) {
            return false;
        }
        answer(dialog);
        return true;
    }

    std::function<void(CNewDocumentDlg&)> answer;
    int newDocumentRuns = 0;
    CSize seenSize;

    // The editing and settings forms: each answers OK after its function
    // filled the fields, or Cancel when it has none.
    bool RunImageResize(CImageResizeDlg& dialog) override { return Answer(resize, dialog); }
    bool RunImageRotate(CImageRotateDlg& dialog) override { return Answer(rotate, dialog); }
    bool RunImageScaling(CImageScalingDlg& dialog) override { return Answer(scaling, dialog); }
    bool RunDelayAll(CDelayAllDlg& dialog) override { return Answer(delayAll, dialog); }
    bool RunGrid(CGridDlg& dialog) override { return Answer(grid, dialog); }
    bool RunGeneral(CGeneralDlg& dialog) override { return Answer(general, dialog); }
    bool RunPaletteProperty(CPalettePropertyDlg& dialog) override { return Answer(paletteProperty, dialog); }
    bool RunToolBarCustomize(CToolBarCustomizeDlg& dialog) override { return Answer(customize, dialog); }
    bool RunVersion(CVersionDlg& dialog) override { return Answer(version, dialog); }
    bool RunLayerProperty(CLayerPropertyDlg& dialog) override { return Answer(layerProperty, dialog); }
    bool RunAccelerator(CAcceleratorDlg& dialog) override { return Answer(accelerator, dialog); }
    bool RunToolSubKey(CToolSubKeyDlg& dialog) override { return Answer(toolSubKey, dialog); }
    bool RunSpriteSheet(CSpriteSheetDlg& dialog) override { return Answer(spriteSheet, dialog); }

    std::function<void(CImageResizeDlg&)> resize;
    std::function<void(CImageRotateDlg&)> rotate;
    std::function<void(CImageScalingDlg&)> scaling;
    std::function<void(CDelayAllDlg&)> delayAll;
    std::function<void(CGridDlg&)> grid;
    std::function<void(CGeneralDlg&)> general;
    std::function<void(CPalettePropertyDlg&)> paletteProperty;
    std::function<void(CToolBarCustomizeDlg&)> customize;
    std::function<void(CVersionDlg&)> version;
    std::function<void(CLayerPropertyDlg&)> layerProperty;
    std::function<void(CAcceleratorDlg&)> accelerator;
    std::function<void(CToolSubKeyDlg&)> toolSubKey;
    std::function<void(CSpriteSheetDlg&)> spriteSheet;

private:
    template <class Dialog>
    static bool Answer(const std::function<void(Dialog&)>& answer, Dialog& dialog)
    {
        if (answer) {
            answer(dialog);
        }
        return bool(answer);
    }
};

class CRecordingHost final : public IDialogHost {
public:
    void SetWindowText(const std::string& text) override { title = text; }
    void EndDialog() override { ++ended; }
    CRect GetCommandSourceRect() const override { return source; }
    CSize GetScreenSize() const override { return {1280, 800}; }
    void TrackPopupMenu(const SMenuItem& menu, CPoint point, bool above) override
    {
        popups.push_back({menu.label, point, above});
    }
    std::unique_ptr<IToolWindowHost> CreateToolWindow(CFrameworkWnd& window, const CRect& place) override
    {
        return std::make_unique<CHeadlessToolWindow>(window, place);
    }
    void SetTimer(int id, int milliseconds) override { timers[id] = milliseconds; }
    void KillTimer(int id) override { timers.erase(id); }

    struct SPopup {
        std::string label;
        CPoint point;
        bool above;
    };
    std::string title;
    int ended = 0;
    CRect source;
    std::vector<SPopup> popups;
    std::map<int, int> timers;  // running timers and their periods
};

// A change the undo history counts.
class CChange final : public CCommand {
public:
    bool Execute() override { return true; }
};

class CMainDialogTest : public ::testing::Test {
protected:
    CMainDialogTest() : m_previousFileDialog(&GetFileDialog()), dialog(settings / "IniFiles", dialogs)
    {
        std::filesystem::create_directories(settings / "IniFiles" / "Dialog");
        SetFileDialog(&files);
        dialog.OnInitDialog(host);
    }
    ~CMainDialogTest() override { SetFileDialog(m_previousFileDialog); }

    void MakeChange() { dialog.GetCommandManager().Execute(std::make_unique<CChange>(), true); }
    CRecordingCmdUI Update(unsigned id)
    {
        CRecordingCmdUI cmdUI(id);
        dialog.OnUpdateCommand(cmdUI);
        return cmdUI;
    }
    std::string LastBoxText()
    {
        return messages->GetRecords().empty() ? std::string() : messages->GetRecords().back().text;
    }

    CScratchDirectory settings;
    CHeadlessMessageBoxScope messages;
    CHeadlessFileDialog files;
    IFileDialog* m_previousFileDialog;
    CScriptedDialogs dialogs;
    CRecordingHost host;
    CStippleboxDlg dialog;
};
