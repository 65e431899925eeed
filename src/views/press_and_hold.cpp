#include "views/press_and_hold.h"

#include "platform/window.h"

CPressAndHold::~CPressAndHold()
{
    Cancel();
}

void CPressAndHold::Start(CWnd& window, CPoint point)
{
    Cancel();
    m_window = &window;
    m_drag.Start(point);
    m_window->SetTimer(kTimerId, GetPressAndHoldInterval());
}

void CPressAndHold::Move(CPoint point)
{
    if (IsWaiting() && m_drag.Test(point)) {
        Cancel();
    }
}

void CPressAndHold::Cancel()
{
    if (m_window != nullptr) {
        m_window->KillTimer(kTimerId);
        m_window = nullptr;
    }
}

bool CPressAndHold::OnTimer(int id)
{
    if (id != kTimerId || !IsWaiting()) {
        return false;
    }
    Cancel();
    return true;
}
