#pragma once

#include "app/delay_field.h"

class IModalDialogs;

// The delay-for-all-layers dialog: a delay shown in a unit of the delay
// unit table; changing the unit converts the value shown.
class CDelayAllDlg : public CDelayField {
public:
    // The current layer's delay (in ticks) shown in the document's unit.
    CDelayAllDlg(int32_t delayTicks, int unit) : CDelayField(delayTicks, unit) {}

    bool DoModal(IModalDialogs& dialogs);
};
