// The layer cache with 8 or 32 visible 1024 × 1024 layers, the current one in
// the middle: a full Rebuild against the rectangle updates a stroke step makes.
// The pixel counters give the cost per composited pixel, which should stay
// about the same for a whole rebuild and a 16 × 16 update.
#include <benchmark/benchmark.h>

#include <map>
#include <memory>

#include "model/layer_cache.h"
#include "model/stipplebox_data.h"
#include "support/pixel_art.h"

namespace {

constexpr int kSize = 1024;

struct SCachedDocument {
    explicit SCachedDocument(int layers) : document(MakePixelArtDocument(kSize, kSize, layers, 7))
    {
        document->GetLayers()->SetCurrentIndex(layers / 2);
        cache.SetDocument(document.get());
        cache.Rebuild();
    }
    std::unique_ptr<CStippleboxData> document;
    CLayerCache cache;
};

SCachedDocument& Cached(int layers)
{
    static std::map<int, std::unique_ptr<SCachedDocument>> cached;
    std::unique_ptr<SCachedDocument>& entry = cached[layers];
    if (!entry) {
        entry = std::make_unique<SCachedDocument>(layers);
    }
    return *entry;
}

void BM_Rebuild(benchmark::State& state)
{
    CLayerCache& cache = Cached(int(state.range(0))).cache;
    for (auto _ : state) {
        cache.Rebuild();
        benchmark::DoNotOptimize(cache.GetPixels());
    }
    state.counters["pixels"] = benchmark::Counter(double(kSize) * kSize, benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(BM_Rebuild)->ArgName("layers")->Arg(8)->Arg(32)->Unit(benchmark::kMillisecond);

// Other layers changed in a rectangle: front and back groups, then the
// composite. With `walk` the rectangle jumps over the image, so every row of
// every layer comes from memory; without, it stays put, as when a stroke
// dwells, and the rows are in the caches.
void BM_UpdateRectangle(benchmark::State& state)
{
    CLayerCache& cache = Cached(int(state.range(0))).cache;
    const int side = int(state.range(1));
    const bool walk = state.range(2) != 0;
    int x = kSize / 2;
    int y = kSize / 2;
    for (auto _ : state) {
        cache.UpdateFrontBack(x, y, side, side);
        cache.UpdateComposite(x, y, side, side);
        benchmark::DoNotOptimize(cache.GetPixels());
        if (walk) {
            x = (x + 97) % (kSize - side);
            y = (y + 61) % (kSize - side);
        }
    }
    state.counters["pixels"] = benchmark::Counter(double(side) * side, benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(BM_UpdateRectangle)
    ->ArgNames({"layers", "side", "walk"})
    ->ArgsProduct({{8, 32}, {16, 64, 256}, {1, 0}})
    ->Unit(benchmark::kMicrosecond);

// A change in the current layer only: the composite alone.
void BM_UpdateCompositeOnly(benchmark::State& state)
{
    CLayerCache& cache = Cached(32).cache;
    int x = 0;
    for (auto _ : state) {
        cache.UpdateComposite(x, x, 16, 16);
        benchmark::DoNotOptimize(cache.GetPixels());
        x = (x + 97) % (kSize - 16);
    }
    state.counters["pixels"] = benchmark::Counter(16.0 * 16.0, benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(BM_UpdateCompositeOnly)->Unit(benchmark::kMicrosecond);

}  // namespace
