#include "app/delay_field.h"

#include <algorithm>

#include "model/delay.h"

namespace {

int Convert(int value, int fromUnit, int toUnit)
{
    CDelay delay;
    delay.SetDelay(value, fromUnit, false);
    return delay.GetDelay(toUnit);
}

}  // namespace

CDelayField::CDelayField(int32_t delayTicks, int unit) : m_unit(unit)
{
    SetDelay(Convert(delayTicks, 0, unit));
}

void CDelayField::SetDelay(int delay)
{
    m_delay = std::clamp(delay, kMinDelay, kMaxDelay);
}

void CDelayField::SetUnit(int unit)
{
    SetDelay(Convert(m_delay, m_unit, unit));
    m_unit = unit;
}

int32_t CDelayField::GetDelayTicks() const
{
    return Convert(m_delay, m_unit, 0);
}
