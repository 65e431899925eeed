#pragma once

#include <QElapsedTimer>
#include <QTimer>
#include <functional>

#include "platform/animation_timer.h"

// The animation timer on a precise single-shot Qt timer of the
// user-interface thread. Each start is timed from the moment the previous
// tick was due when it comes from inside that tick, so the time a frame
// takes to show does not add up over a sequence.
class CQtAnimationTimer final : public IAnimationTimer {
public:
    explicit CQtAnimationTimer(std::function<void()> onTick);

    bool Start(int milliseconds) override;
    void Stop() override;

    // Installs the factory that makes these timers.
    static void Install();

private:
    void Tick();

    std::function<void()> m_onTick;
    QTimer m_timer;
    QElapsedTimer m_clock;
    qint64 m_due = 0;  // nanoseconds on m_clock
    bool m_ticking = false;
};
