#pragma once

#include <cstdint>
#include <vector>

#include "platform/animation_timer.h"

// A clock that moves only when a test says so, with the animation timers
// that run on it: installed as the timer factory for its lifetime, it
// delivers each tick exactly when it falls due.
class CHeadlessAnimationClock {
public:
    CHeadlessAnimationClock();
    ~CHeadlessAnimationClock();
    CHeadlessAnimationClock(const CHeadlessAnimationClock&) = delete;
    CHeadlessAnimationClock& operator=(const CHeadlessAnimationClock&) = delete;

    int64_t Now() const { return m_now; }
    // Moves the time on, delivering every tick that falls due on the way in
    // the order of their times.
    void Advance(int64_t milliseconds);
    // Moves the time to the next pending tick and delivers it; false when no
    // tick is pending.
    bool RunNextTick();
    int CountPendingTicks() const;
    // Starts fail while set, as when the system has no timer to give.
    void SetStartsFail(bool fail) { m_startsFail = fail; }

private:
    class CTimer;
    friend class CTimer;

    CTimer* FindNextDue() const;
    void Deliver(CTimer& timer);

    int64_t m_now = 0;
    bool m_startsFail = false;
    std::vector<CTimer*> m_timers;
};
