// Plays the layers of a 1024 × 1024 document, each with a delay of 10 ms, at
// 200 % on the real timer, every frame painted at zoom 1 in a 512 × 512 view,
// and prints the periods between frames that it achieved: their mean and the
// worst, against the 5 ms asked for.
//
//   player-timing [frames]
#include <QCoreApplication>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <numeric>
#include <vector>

#include "bars/command_ids.h"
#include "model/stipplebox_data.h"
#include "platform/qt/qt_animation_timer.h"
#include "support/bench_editor.h"
#include "views/player_wnd.h"

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    const int frames = argc > 1 ? std::max(2, std::atoi(argv[1])) : 400;

    using Clock = std::chrono::steady_clock;
    std::vector<Clock::time_point> ticks;
    ticks.reserve(size_t(frames));
    // The real timer, with each tick's time noted as it arrives.
    SetAnimationTimerFactory([&ticks, frames](std::function<void()> onTick) -> std::unique_ptr<IAnimationTimer> {
        return std::make_unique<CQtAnimationTimer>([&ticks, frames, onTick = std::move(onTick)] {
            ticks.push_back(Clock::now());
            onTick();
            if (int(ticks.size()) == frames) {
                QCoreApplication::quit();
            }
        });
    });

    CBenchEditor editor(1024, 8);
    CStippleboxLayerPtrArray& layers = *editor.Dialog().GetDocument()->GetLayers();
    for (int i = 0; i < layers.GetSize(); ++i) {
        layers[i]->GetDelay().SetDelay(10, CDelay::kMillisecondsUnit, false);
    }
    editor.Dialog().OnCommand(kCmdPlayerWindow);
    CPlayerWnd& player = *editor.Dialog().GetToolWindows().GetPlayerWnd();
    player.GetImageWnd().OnSize(512, 512);
    player.OnScroll(CPlayerWnd::kSpeedBarId, CFrameworkWnd::EScroll::kLast, 0);
    player.OnCommand(kCmdPlayerPlay);
    QCoreApplication::exec();
    player.OnCommand(kCmdPlayerPlay);

    std::vector<double> periods;
    for (size_t i = 1; i < ticks.size(); ++i) {
        periods.push_back(std::chrono::duration<double, std::milli>(ticks[i] - ticks[i - 1]).count());
    }
    const double mean = std::accumulate(periods.begin(), periods.end(), 0.0) / double(periods.size());
    const auto [shortest, longest] = std::minmax_element(periods.begin(), periods.end());
    std::printf("%zu frame periods at 200 %% of 10 ms (5 ms asked): mean %.3f ms, shortest %.3f ms, worst %.3f ms\n",
                periods.size(), mean, *shortest, *longest);
    return 0;
}
