#include "app/palette_property_dlg.h"

#include "app/modal_dialogs.h"

bool CPalettePropertyDlg::DoModal(IModalDialogs& dialogs)
{
    return dialogs.RunPaletteProperty(*this);
}
