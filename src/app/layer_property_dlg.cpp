#include "app/layer_property_dlg.h"

#include "app/modal_dialogs.h"

bool CLayerPropertyDlg::DoModal(IModalDialogs& dialogs)
{
    return dialogs.RunLayerProperty(*this);
}
