#include "model/delay.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <limits>

#include "platform/combo_box.h"

namespace {

constexpr std::array<int32_t, CDelay::kUnitCount> kTicksPerUnit = {1, 600, 400, 300, 250, 200, 100, 60, 6};
constexpr int32_t kInitialRememberedDelay = 500;  // 1/12 second

int32_t g_rememberedDelay = kInitialRememberedDelay;

}  // namespace

CDelay::CDelay() : m_ticks(g_rememberedDelay) {}

int32_t CDelay::GetTicksPerUnit(int unit)
{
    return unit >= 0 && unit < kUnitCount ? kTicksPerUnit[unit] : 0;
}

int32_t CDelay::GetDelay(int unit) const
{
    const int32_t perUnit = GetTicksPerUnit(unit);
    return perUnit == 0 ? 0 : m_ticks / perUnit;
}

void CDelay::SetDelay(int32_t value, int unit, bool remember)
{
    const int32_t perUnit = GetTicksPerUnit(unit);
    if (perUnit != 0) {
        // Saturate rather than overflow for absurd entries.
        const int64_t ticks = int64_t{value} * perUnit;
        m_ticks = ticks < 0 ? 0
                            : static_cast<int32_t>(std::min<int64_t>(ticks, std::numeric_limits<int32_t>::max()));
    }
    if (remember) {
        g_rememberedDelay = m_ticks;
    }
}

int32_t CDelay::GetRememberedDelay()
{
    return g_rememberedDelay;
}

void CDelay::SetRememberedDelay(int32_t ticks)
{
    g_rememberedDelay = ticks;
}

std::string GetDelayUnitLabel(int unit)
{
    char text[32];
    std::snprintf(text, sizeof text, "1/%d 秒", CDelay::kTicksPerSecond / kTicksPerUnit[unit]);
    return text;
}

void FillDelayUnits(IComboBox& comboBox, int selectedUnit)
{
    for (int unit = 1; unit < CDelay::kUnitCount; ++unit) {
        const int item = comboBox.AddString(GetDelayUnitLabel(unit));
        comboBox.SetItemData(item, unit);
        if (unit == selectedUnit) {
            comboBox.SetCurSel(item);
        }
    }
}
