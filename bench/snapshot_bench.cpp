// Undo snapshot of a 1024 × 1024 layer of pixel art (taken out of the
// document and put back) against zlib's own one-call compress2 and
// uncompress on the same bytes, each allocating its output as a snapshot
// must (without clearing it first).
#include <benchmark/benchmark.h>

#include <zlib.h>

#include <memory>

#include "commands/layer_compress_data.h"
#include "model/stipplebox_data.h"
#include "support/pixel_art.h"

namespace {

constexpr int kSize = 1024;

std::unique_ptr<CStippleboxLayer> MakeLayer()
{
    auto layer = std::make_unique<CStippleboxLayer>();
    layer->Create(kSize, kSize);
    PaintPixelArt(*layer, 5);
    return layer;
}

void BM_ReferenceCompress2AndUncompress(benchmark::State& state)
{
    const std::unique_ptr<CStippleboxLayer> layer = MakeLayer();
    const uLong size = uLong(kSize) * kSize;
    uLongf compressedSize = 0;
    for (auto _ : state) {
        compressedSize = compressBound(size);
        const auto compressed = std::make_unique_for_overwrite<uint8_t[]>(compressedSize);
        compress2(compressed.get(), &compressedSize, layer->GetPixels(), size, Z_DEFAULT_COMPRESSION);
        const auto pixels = std::make_unique_for_overwrite<uint8_t[]>(size);
        uLongf restored = size;
        uncompress(pixels.get(), &restored, compressed.get(), compressedSize);
        benchmark::DoNotOptimize(pixels.get());
    }
    state.counters["compressed_KiB"] = double(compressedSize) / 1024.0;
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(size));
}
BENCHMARK(BM_ReferenceCompress2AndUncompress)->Unit(benchmark::kMillisecond);

void BM_LayerSnapshotStoreAndRestore(benchmark::State& state)
{
    std::unique_ptr<CStippleboxLayer> layer = MakeLayer();
    int held = 0;
    for (auto _ : state) {
        CLayerCompressData snapshot;
        snapshot.Store(std::move(layer));
        held = snapshot.GetDataSize(true);
        layer = snapshot.Restore();
        benchmark::DoNotOptimize(layer->GetPixels());
    }
    state.counters["held_KiB"] = double(held) / 1024.0;
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(kSize) * kSize);
}
BENCHMARK(BM_LayerSnapshotStoreAndRestore)->Unit(benchmark::kMillisecond);

}  // namespace
