#include "platform/qt/qt_animation_timer.h"

#include <memory>

CQtAnimationTimer::CQtAnimationTimer(std::function<void()> onTick) : m_onTick(std::move(onTick))
{
    m_timer.setSingleShot(true);
    m_timer.setTimerType(Qt::PreciseTimer);
    QObject::connect(&m_timer, &QTimer::timeout, [this] { Tick(); });
    m_clock.start();
}

bool CQtAnimationTimer::Start(int milliseconds)
{
    const qint64 now = m_clock.nsecsElapsed();
    const qint64 period = qint64(milliseconds) * 1'000'000;
    const qint64 due = (m_ticking ? m_due : now) + period;
    // A tick so late that the next one is due already (the program was busy)
    // gives the next frame its whole period from now, not a glimpse.
    m_due = due >= now ? due : now + period;
    // Rounded to the nearest millisecond, the timer's resolution; the error
    // does not carry over to the next frame, which counts from m_due.
    m_timer.start(int((m_due - now + 500'000) / 1'000'000));
    return true;
}

void CQtAnimationTimer::Stop()
{
    m_timer.stop();
}

void CQtAnimationTimer::Tick()
{
    m_ticking = true;
    m_onTick();
    m_ticking = false;
}

void CQtAnimationTimer::Install()
{
    SetAnimationTimerFactory([](std::function<void()> onTick) -> std::unique_ptr<IAnimationTimer> {
        return std::make_unique<CQtAnimationTimer>(std::move(onTick));
    });
}
