#pragma once

#include <cstdint>
#include <string>

class IComboBox;

// How long one animation frame is shown, in ticks of 1/6000 second. A new
// delay starts at the program-wide remembered delay.
class CDelay {
public:
    static constexpr int kTicksPerSecond = 6000;
    static constexpr int kUnitCount = 9;  // unit 0 is the tick itself
    static constexpr int kHundredthsUnit = 7;
    static constexpr int kMillisecondsUnit = 8;

    CDelay();

    int32_t GetTicks() const { return m_ticks; }

    // The delay in the given unit, truncated; unit 0 gives ticks, an unknown
    // unit gives 0.
    int32_t GetDelay(int unit) const;
    // Sets value × ticks per unit (unit 0: value itself; an unknown unit
    // changes nothing); negative results become 0. With remember set, the
    // result becomes the remembered delay.
    void SetDelay(int32_t value, int unit, bool remember);

    static int32_t GetTicksPerUnit(int unit);

    static int32_t GetRememberedDelay();
    static void SetRememberedDelay(int32_t ticks);

    friend bool operator==(const CDelay&, const CDelay&) = default;

private:
    int32_t m_ticks;
};

// "1/10 秒" … "1/1000 秒" for the units 1 to 8.
std::string GetDelayUnitLabel(int unit);

// Fills a combo box with the units 1 to 8 ("1/10 秒" … "1/1000 秒"), each
// item's data its unit index, and selects the given unit.
void FillDelayUnits(IComboBox& comboBox, int selectedUnit);
