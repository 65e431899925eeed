#include "platform/headless_animation_clock.h"

#include <algorithm>
#include <optional>

class CHeadlessAnimationClock::CTimer final : public IAnimationTimer {
public:
    CTimer(CHeadlessAnimationClock& clock, std::function<void()> onTick) : m_clock(clock), m_onTick(std::move(onTick))
    {
        m_clock.m_timers.push_back(this);
    }
    ~CTimer() override { std::erase(m_clock.m_timers, this); }

    bool Start(int milliseconds) override
    {
        if (m_clock.m_startsFail) {
            return false;
        }
        m_due = (m_tickingAt ? *m_tickingAt : m_clock.m_now) + milliseconds;
        return true;
    }
    void Stop() override { m_due.reset(); }

    std::optional<int64_t> m_due;
    std::optional<int64_t> m_tickingAt;
    CHeadlessAnimationClock& m_clock;
    std::function<void()> m_onTick;
};

CHeadlessAnimationClock::CHeadlessAnimationClock()
{
    SetAnimationTimerFactory([this](std::function<void()> onTick) -> std::unique_ptr<IAnimationTimer> {
        return std::make_unique<CTimer>(*this, std::move(onTick));
    });
}

CHeadlessAnimationClock::~CHeadlessAnimationClock()
{
    SetAnimationTimerFactory({});
}

CHeadlessAnimationClock::CTimer* CHeadlessAnimationClock::FindNextDue() const
{
    CTimer* next = nullptr;
    for (CTimer* timer : m_timers) {
        if (timer->m_due && (next == nullptr || *timer->m_due < *next->m_due)) {
            next = timer;
        }
    }
    return next;
}

void CHeadlessAnimationClock::Deliver(CTimer& timer)
{
    m_now = std::max(m_now, *timer.m_due);
    timer.m_tickingAt = timer.m_due;
    timer.m_due.reset();
    timer.m_onTick();
    timer.m_tickingAt.reset();
}

void CHeadlessAnimationClock::Advance(int64_t milliseconds)
{
    const int64_t end = m_now + milliseconds;
    for (CTimer* next = FindNextDue(); next != nullptr && *next->m_due <= end; next = FindNextDue()) {
        Deliver(*next);
    }
    m_now = end;
}

bool CHeadlessAnimationClock::RunNextTick()
{
    CTimer* next = FindNextDue();
    if (next == nullptr) {
        return false;
    }
    Deliver(*next);
    return true;
}

int CHeadlessAnimationClock::CountPendingTicks() const
{
    return int(std::count_if(m_timers.begin(), m_timers.end(), [](const CTimer* timer) { return timer->m_due.has_value(); }));
}
