#include "app/tool_sub_key_dlg.h"

#include "app/modal_dialogs.h"

bool CToolSubKeyDlg::DoModal(IModalDialogs& dialogs)
{
    return dialogs.RunToolSubKey(*this);
}

void CToolSubKeyDlg::ResetToDefaults()
{
    for (size_t i = 0; i < m_subKeys.GetItems().size(); ++i) {
        m_subKeys.SetKey(i, m_subKeys.GetItems()[i].defaultKey);
    }
}
