#include "app/delay_all_dlg.h"

#include <algorithm>

#include "app/modal_dialogs.h"
#include "model/delay.h"

namespace {

int Convert(int value, int fromUnit, int toUnit)
{
    CDelay delay;
    delay.SetDelay(value, fromUnit, false);
    return delay.GetDelay(toUnit);
}

}  // namespace

CDelayAllDlg::CDelayAllDlg(int32_t delayTicks, int unit) : m_unit(unit)
{
    SetDelay(Convert(delayTicks, 0, unit));
}

bool CDelayAllDlg::DoModal(IModalDialogs& dialogs)
{
    return dialogs.RunDelayAll(*this);
}

void CDelayAllDlg::SetDelay(int delay)
{
    m_delay = std::clamp(delay, kMinDelay, kMaxDelay);
}

void CDelayAllDlg::SetUnit(int unit)
{
    SetDelay(Convert(m_delay, m_unit, unit));
    m_unit = unit;
}

int32_t CDelayAllDlg::GetDelayTicks() const
{
    return Convert(m_delay, m_unit, 0);
}
