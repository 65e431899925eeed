// The edit menu: the clipboard, the canvas-wide effects and the dialogs of
// canvas size, scaling and rotation.

#include <memory>

#include "app/image_resize_dlg.h"
#include "app/image_rotate_dlg.h"
#include "app/image_scaling_dlg.h"
#include "app/stipplebox_dlg.h"
#include "bars/command_ids.h"
#include "commands/command_image_effects.h"
#include "commands/command_image_paste.h"
#include "model/stipplebox_data.h"
#include "model/stipplebox_image_selection.h"
#include "platform/cmd_ui.h"

namespace {

template <class Command>
CCommandMap::Handler Executes(CStippleboxDlg& dialog)
{
    return [&dialog](unsigned) { dialog.ExecuteCommand(std::make_unique<Command>()); };
}

}  // namespace

void CStippleboxDlg::AddEditCommands()
{
    m_commandMap.Add(kCmdCut, Executes<CCommandImageEffectCut>(*this));
    m_commandMap.Add(kCmdCopy, [this](unsigned) { CopyToClipboard(); });
    m_commandMap.Add(kCmdPaste, Executes<CCommandImagePaste>(*this),
                     [this](ICmdUI& cmdUI) { cmdUI.Enable(!m_clipboard.IsEmpty()); });
    m_commandMap.Add(kCmdDelete, Executes<CCommandImageEffectDelete>(*this));
    m_commandMap.Add(kCmdFlipHorizontal, Executes<CCommandImageEffectFlipHorz>(*this));
    m_commandMap.Add(kCmdFlipVertical, Executes<CCommandImageEffectFlipVert>(*this));
    m_commandMap.Add(kCmdCanvasSize, [this](unsigned) { OnCanvasSize(); });
    const auto transformsCanvas = [this](ICmdUI& cmdUI) { cmdUI.Enable(CanTransformCanvas()); };
    m_commandMap.Add(kCmdScaling, [this](unsigned) { OnScaling(); }, transformsCanvas);
    m_commandMap.Add(kCmdRotate, [this](unsigned) { OnRotate(); }, transformsCanvas);
}

void CStippleboxDlg::CopyToClipboard()
{
    m_clipboard.Copy(*m_document, m_imageEditWnd.GetLayerCache().GetLinkedList());
}

bool CStippleboxDlg::CanTransformCanvas() const
{
    return m_document->GetCurrentLayer()->GetSelection().HasMask() ||
           int(m_imageEditWnd.GetLayerCache().GetLinkedList().size()) == m_document->GetLayers()->GetSize();
}

template <class Dialog>
void CStippleboxDlg::ExecuteFromDialog(Dialog& dialog)
{
    if (dialog.DoModal(m_dialogs)) {
        if (std::unique_ptr<CCommand> command = dialog.CreateCommand()) {
            ExecuteCommand(std::move(command));
        }
    }
}

void CStippleboxDlg::OnCanvasSize()
{
    CImageResizeDlg dialog(m_document->GetCanvasSize());
    ExecuteFromDialog(dialog);
}

void CStippleboxDlg::OnScaling()
{
    const CStippleboxImageSelection& selection = m_document->GetCurrentLayer()->GetSelection();
    const CSize source = selection.HasMask() ? CSize{selection.GetWidth(), selection.GetHeight()}
                                             : m_document->GetCanvasSize();
    CImageScalingDlg dialog(m_settingsDirectory / "Dialog" / "ImageScaling.ini", source);
    ExecuteFromDialog(dialog);
}

void CStippleboxDlg::OnRotate()
{
    CImageRotateDlg dialog(m_settingsDirectory / "Dialog" / "ImageRotate.ini");
    ExecuteFromDialog(dialog);
}
