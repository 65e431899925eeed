#include "app/delay_all_dlg.h"

#include "app/modal_dialogs.h"

bool CDelayAllDlg::DoModal(IModalDialogs& dialogs)
{
    return dialogs.RunDelayAll(*this);
}
