// The keyboard: the shortcut keys and the tool sub-keys, their settings
// dialogs, and the filter that every keyboard message of the main window
// passes.

#include "app/accelerator_dlg.h"
#include "app/key_defaults.h"
#include "app/stipplebox_dlg.h"
#include "app/tool_sub_key_dlg.h"
#include "bars/command_ids.h"
#include "platform/recording_cmd_ui.h"

void CStippleboxDlg::LoadKeys()
{
    m_accelerator.Load(GetDefaultShortcutKeys(), m_settingsDirectory / "Accelerator.dat", u"SBXKEY");
    m_toolSubKey.Load(GetToolSubKeyItems(), m_settingsDirectory / "ToolSubKey.dat", u"SBXTOOLSUBKEY");
}

void CStippleboxDlg::AddKeyCommands()
{
    m_commandMap.Add(kCmdShortcutKeys, [this](unsigned) { OnShortcutKeySettings(); });
    m_commandMap.Add(kCmdToolSubKeys, [this](unsigned) { OnToolSubKeySettings(); });
}

bool CStippleboxDlg::PreTranslateKeyMessage(const SKeyMessage& message)
{
    m_toolSubKey.Track(message);
    m_accelerator.TranslateAndSend(*this, message);
    // Space held makes any tool the hand, as desktop editors do.
    m_imageEditWnd.GetNavigator().SetHandKeyHeld(m_toolSubKey.IsKeyDown(VK_SPACE));
    return true;
}

std::string CStippleboxDlg::GetKeyText(unsigned id) const
{
    return id <= UINT16_MAX ? m_accelerator.GetKeyText(uint16_t(id)) : std::string();
}

bool CStippleboxDlg::IsPointerCaptured() const
{
    return m_imageEditWnd.HasCapture();
}

bool CStippleboxDlg::IsInputEnabled() const
{
    return m_host == nullptr || m_host->IsWindowEnabled();
}

void CStippleboxDlg::OnKeyCommand(unsigned id)
{
    CRecordingCmdUI state(id);
    OnUpdateCommand(state);
    if (state.GetEnabled().value_or(false)) {
        OnCommand(id);
    }
}

bool CStippleboxDlg::IsToolSubKeyHeld(EToolSubKey function) const
{
    return m_toolSubKey.IsHeld(function);
}

void CStippleboxDlg::OnShortcutKeySettings()
{
    CAcceleratorDlg dialog(m_accelerator, m_menuManager.GetMainMenu());
    if (dialog.DoModal(m_dialogs)) {
        m_accelerator = dialog.GetKeys();
        m_accelerator.Save();
    }
}

void CStippleboxDlg::OnToolSubKeySettings()
{
    CToolSubKeyDlg dialog(m_toolSubKey);
    if (dialog.DoModal(m_dialogs)) {
        // Only the keys: which keys are down is the live object's to know.
        for (size_t i = 0; i < m_toolSubKey.GetItems().size(); ++i) {
            m_toolSubKey.SetKey(i, dialog.GetSubKeys().GetKey(i));
        }
        m_toolSubKey.Save();
    }
}
