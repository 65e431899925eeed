#pragma once

#include <cstdint>

class IModalDialogs;

// The delay-for-all-layers dialog: a delay shown in a unit of the delay
// unit table; changing the unit converts the value shown.
class CDelayAllDlg {
public:
    static constexpr int kMinDelay = 0;
    static constexpr int kMaxDelay = 99999;

    // The current layer's delay (in ticks) shown in the document's unit.
    CDelayAllDlg(int32_t delayTicks, int unit);

    bool DoModal(IModalDialogs& dialogs);

    int GetDelay() const { return m_delay; }
    // Kept within kMinDelay..kMaxDelay.
    void SetDelay(int delay);
    int GetUnit() const { return m_unit; }
    void SetUnit(int unit);
    // The delay entered, in ticks.
    int32_t GetDelayTicks() const;

private:
    int m_delay;
    int m_unit;
};
