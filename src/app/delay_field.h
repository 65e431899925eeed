#pragma once

#include <cstdint>

// A delay as a dialog shows it: a number in one of the delay units; choosing
// another unit converts the number shown.
class CDelayField {
public:
    static constexpr int kMinDelay = 0;
    static constexpr int kMaxDelay = 99999;

    // The delay (in ticks) shown in the unit.
    CDelayField(int32_t delayTicks, int unit);

    int GetDelay() const { return m_delay; }
    // Kept within kMinDelay..kMaxDelay.
    void SetDelay(int delay);
    int GetUnit() const { return m_unit; }
    void SetUnit(int unit);
    // The delay entered, in ticks.
    int32_t GetDelayTicks() const;

private:
    int m_delay = 0;
    int m_unit;
};
