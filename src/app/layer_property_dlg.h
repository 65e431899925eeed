#pragma once

#include <string>

#include "app/delay_field.h"

class IModalDialogs;

// The layer property dialog: the current layer's name and its delay in a
// unit of the delay unit table.
class CLayerPropertyDlg : public CDelayField {
public:
    static constexpr const char* kTitle = "レイヤのプロパティ";
    static constexpr const char* kNameLabel = "レイヤ名 :";
    static constexpr const char* kDelayLabel = "ディレイ :";

    // The delay (in ticks) shown in the document's unit.
    CLayerPropertyDlg(std::u16string name, int32_t delayTicks, int unit)
        : CDelayField(delayTicks, unit), m_name(std::move(name))
    {
    }

    // Shows the form; true when the user confirmed with OK.
    bool DoModal(IModalDialogs& dialogs);

    // Kept code unit for code unit, as the document stores it.
    const std::u16string& GetName() const { return m_name; }
    void SetName(std::u16string name) { m_name = std::move(name); }

private:
    std::u16string m_name;
};
