#include "platform/animation_timer.h"

namespace {

class CUnavailableTimer final : public IAnimationTimer {
public:
    bool Start(int) override { return false; }
    void Stop() override {}
};

AnimationTimerFactory& Factory()
{
    static AnimationTimerFactory factory;
    return factory;
}

}  // namespace

std::unique_ptr<IAnimationTimer> CreateAnimationTimer(std::function<void()> onTick)
{
    if (Factory()) {
        return Factory()(std::move(onTick));
    }
    return std::make_unique<CUnavailableTimer>();
}

void SetAnimationTimerFactory(AnimationTimerFactory factory)
{
    Factory() = std::move(factory);
}
