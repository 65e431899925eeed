// The pause a recovery snapshot puts into drawing: the copy of a 1024 × 1024
// document of 32 layers that the user-interface thread makes, against a
// plain copy of the same pixel bytes, and against the 16.7 ms of one frame at
// 60 Hz. The compression and the file, on the writer's thread, are measured
// too, as what the user does not wait for.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>

#include "formats/recovery_snapshot.h"
#include "model/stipplebox_data.h"
#include "support/pixel_art.h"

namespace {

constexpr int kSize = 1024;
constexpr int kLayers = 32;
constexpr double kFrameMilliseconds = 1000.0 / 60;

using Clock = std::chrono::steady_clock;

double Seconds(Clock::time_point start)
{
    return std::chrono::duration<double>(Clock::now() - start).count();
}

CStippleboxData& Document()
{
    static auto document = MakePixelArtDocument(kSize, kSize, kLayers, 7);
    return *document;
}

// Every layer's pixels copied one after another into the memory.
void CopyPixels(const CStippleboxData& document, uint8_t* memory)
{
    const CStippleboxLayerPtrArray& layers = *document.GetLayers();
    const size_t layerBytes = size_t(document.GetWidth()) * document.GetHeight();
    for (int i = 0; i < layers.GetSize(); ++i) {
        std::memcpy(memory + layerBytes * i, layers[i]->GetPixels(), layerBytes);
    }
}

// The editor captures into the memory of the snapshot before, or into memory
// its writer made ready: memory in use, as the reference copies into.
void BM_CaptureAgainstPlainCopy(benchmark::State& state)
{
    CStippleboxData& document = Document();
    const size_t pixelBytes = size_t(kSize) * kSize * kLayers;
    std::unique_ptr<uint8_t[]> copy(new uint8_t[pixelBytes]());
    recovery::SCapturedSnapshot snapshot = recovery::Capture(document, "/pictures/walk.sbx");
    double referenceSeconds = 0;
    double captureSeconds = 0;
    double longest = 0;
    for (auto _ : state) {
        auto start = Clock::now();
        CopyPixels(document, copy.get());
        benchmark::DoNotOptimize(copy.get());
        referenceSeconds += Seconds(start);

        start = Clock::now();
        snapshot = recovery::Capture(document, "/pictures/walk.sbx", std::move(snapshot.memory));
        const double seconds = Seconds(start);
        benchmark::DoNotOptimize(snapshot.memory.bytes.get());
        captureSeconds += seconds;
        longest = std::max(longest, seconds);
        state.SetIterationTime(seconds);
    }
    const double iterations = double(state.iterations());
    state.counters["copy_ms"] = referenceSeconds / iterations * 1e3;
    state.counters["capture_ms"] = captureSeconds / iterations * 1e3;
    state.counters["capture_x_copy"] = captureSeconds / referenceSeconds;
    state.counters["longest_x_frame"] = longest * 1e3 / kFrameMilliseconds;

    // Why the memory is kept: the same copy into fresh memory.
    const auto start = Clock::now();
    std::unique_ptr<uint8_t[]> fresh(new uint8_t[pixelBytes]);
    CopyPixels(document, fresh.get());
    benchmark::DoNotOptimize(fresh.get());
    state.counters["fresh_copy_ms"] = Seconds(start) * 1e3;
}
BENCHMARK(BM_CaptureAgainstPlainCopy)->Unit(benchmark::kMillisecond)->UseManualTime()->MinTime(3);

void BM_WriteOnTheWritersThread(benchmark::State& state)
{
    const recovery::SCapturedSnapshot snapshot = recovery::Capture(Document(), "/pictures/walk.sbx");
    const std::filesystem::path target = std::filesystem::temp_directory_path() / "stipplebox-bench-snapshot.sbx";
    for (auto _ : state) {
        std::string error;
        if (!recovery::Write(snapshot, target, error)) {
            state.SkipWithError(error.c_str());
            return;
        }
    }
    state.counters["file_bytes"] = double(std::filesystem::file_size(target));
    std::filesystem::remove(target);
}
BENCHMARK(BM_WriteOnTheWritersThread)->Unit(benchmark::kMillisecond)->MinTime(3);

}  // namespace
