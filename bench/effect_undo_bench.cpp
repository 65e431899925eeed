// Undo and redo of canvas-wide effects on a 1024² document of 8 linked
// layers, through the real main dialog: a horizontal flip (which keeps
// nothing and undoes by flipping again) and a rotation by 33 degrees (which
// keeps every layer compressed and changes the canvas size). The reference,
// in the same run, copies every layer once: the floor of touching each pixel.
// The history counter shows what the rotation keeps.
#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

#include "bars/command_ids.h"
#include "commands/command_image_effects.h"
#include "model/stipplebox_data.h"
#include "support/bench_editor.h"

namespace {

constexpr int kSize = 1024;
constexpr int kLayers = 8;

void BM_FlipUndoRedo(benchmark::State& state)
{
    CBenchEditor editor(kSize, kLayers);
    editor.Dialog().OnCommand(kCmdFlipHorizontal);
    CCommandManager& history = editor.Dialog().GetCommandManager();
    for (auto _ : state) {
        history.Undo(nullptr);
        history.Redo(nullptr);
    }
    state.counters["history_bytes"] = double(history.GetTotalSize());
}
BENCHMARK(BM_FlipUndoRedo)->Unit(benchmark::kMillisecond);

void BM_Rotate33UndoRedo(benchmark::State& state)
{
    CBenchEditor editor(kSize, kLayers);
    editor.Dialog().ExecuteCommand(std::make_unique<CCommandImageEffectRotate>(33.0f));
    CCommandManager& history = editor.Dialog().GetCommandManager();
    for (auto _ : state) {
        history.Undo(nullptr);
        history.Redo(nullptr);
    }
    state.counters["history_bytes"] = double(history.GetTotalSize());
    state.counters["canvas"] = double(editor.Dialog().GetDocument()->GetWidth());
}
BENCHMARK(BM_Rotate33UndoRedo)->Unit(benchmark::kMillisecond);

void BM_ReferenceCopyEveryLayer(benchmark::State& state)
{
    CBenchEditor editor(kSize, kLayers);
    const CStippleboxLayerPtrArray& layers = *editor.Dialog().GetDocument()->GetLayers();
    std::vector<uint8_t> target(size_t(kSize) * kSize);
    for (auto _ : state) {
        for (int i = 0; i < layers.GetSize(); ++i) {
            std::memcpy(target.data(), layers[i]->GetPixels(), target.size());
            benchmark::DoNotOptimize(target.data());
        }
    }
}
BENCHMARK(BM_ReferenceCopyEveryLayer)->Unit(benchmark::kMillisecond);

}  // namespace
