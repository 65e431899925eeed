#pragma once

#include <functional>
#include <memory>

// A one-shot timer for animation frames: after Start it ticks once, on the
// user-interface thread, the given number of milliseconds later.
class IAnimationTimer {
public:
    virtual ~IAnimationTimer() = default;

    // Replaces a pending tick. Started from inside its own tick, the time
    // counts from when that tick was due, so a sequence of frames keeps its
    // pace however long each frame takes to show. False when the system
    // gives no timer.
    virtual bool Start(int milliseconds) = 0;
    // A pending tick never comes.
    virtual void Stop() = 0;
};

using AnimationTimerFactory = std::function<std::unique_ptr<IAnimationTimer>(std::function<void()> onTick)>;

// A timer that calls onTick. Until a factory is installed the timers never
// start.
std::unique_ptr<IAnimationTimer> CreateAnimationTimer(std::function<void()> onTick);
void SetAnimationTimerFactory(AnimationTimerFactory factory);
