#include "app/general_dlg.h"

#include "app/modal_dialogs.h"

bool CGeneralDlg::DoModal(IModalDialogs& dialogs)
{
    return dialogs.RunGeneral(*this);
}
