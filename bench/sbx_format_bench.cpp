// Saving and loading a large native file against zlib's own one-call
// compress2 and uncompress of the same chunk stream. Each iteration times the
// reference and the format back to back, so the ratio holds on a busy
// machine; the reported time is the format's, and the counters give both and
// the overhead. Loading also reports its peak heap use as a multiple of the
// document's pixel bytes, counted by this program's operator new.
#include <benchmark/benchmark.h>
#include <malloc.h>
#include <zlib.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdlib>
#include <memory>
#include <new>
#include <string>
#include <vector>

#include "formats/sbx_file.h"
#include "formats/stipplebox_chunk_file.h"
#include "model/stipplebox_data.h"
#include "platform/file.h"
#include "support/pixel_art.h"

namespace {

std::atomic<size_t> g_heapBytes{0};
std::atomic<size_t> g_heapPeak{0};

void* CountedAllocate(size_t size)
{
    void* block = std::malloc(size == 0 ? 1 : size);
    if (block == nullptr) {
        throw std::bad_alloc();
    }
    const size_t now = g_heapBytes += malloc_usable_size(block);
    size_t peak = g_heapPeak.load(std::memory_order_relaxed);
    while (now > peak && !g_heapPeak.compare_exchange_weak(peak, now)) {
    }
    return block;
}

void CountedFree(void* block)
{
    if (block != nullptr) {
        g_heapBytes -= malloc_usable_size(block);
        std::free(block);
    }
}

}  // namespace

void* operator new(size_t size)
{
    return CountedAllocate(size);
}
void* operator new[](size_t size)
{
    return CountedAllocate(size);
}
void* operator new(size_t size, const std::nothrow_t&) noexcept
{
    try {
        return CountedAllocate(size);
    } catch (...) {
        return nullptr;
    }
}
void* operator new[](size_t size, const std::nothrow_t& tag) noexcept
{
    return operator new(size, tag);
}
void operator delete(void* block) noexcept
{
    CountedFree(block);
}
void operator delete[](void* block) noexcept
{
    CountedFree(block);
}
void operator delete(void* block, size_t) noexcept
{
    CountedFree(block);
}
void operator delete[](void* block, size_t) noexcept
{
    CountedFree(block);
}

namespace {

constexpr int kSize = 1024;
constexpr int kLayers = 32;
constexpr double kPixelBytes = double(kSize) * kSize * kLayers;

using Clock = std::chrono::steady_clock;

double Seconds(Clock::time_point start)
{
    return std::chrono::duration<double>(Clock::now() - start).count();
}

CStippleboxData& Document()
{
    static auto document = MakePixelArtDocument(kSize, kSize, kLayers, 42);
    return *document;
}

const std::vector<uint8_t>& ChunkStream()
{
    static const std::vector<uint8_t> stream = [] {
        CMemFile memory(65536);
        CStippleboxChunkFile file;
        file.Attach(&memory, false);
        Document().WriteChunks(file);
        file.Detach();
        return memory.Detach();
    }();
    return stream;
}

std::vector<uint8_t> SaveToMemory()
{
    CMemFile memory(65536);
    if (!sbx::Save(Document(), memory, nullptr)) {
        std::abort();
    }
    return memory.Detach();
}

// The file's bytes after the identifier and the stored length.
constexpr size_t kHeaderSize = 34;

void Report(benchmark::State& state, double referenceSeconds, double formatSeconds)
{
    const double iterations = double(state.iterations());
    state.counters["zlib_ms"] = referenceSeconds / iterations * 1e3;
    state.counters["sbx_ms"] = formatSeconds / iterations * 1e3;
    state.counters["overhead_pct"] = (formatSeconds / referenceSeconds - 1) * 100;
}

void BM_SaveAgainstCompress2(benchmark::State& state)
{
    const std::vector<uint8_t>& stream = ChunkStream();
    double referenceSeconds = 0;
    double formatSeconds = 0;
    size_t fileBytes = 0;
    const uLongf packedBound = compressBound(stream.size());
    std::vector<uint8_t> packed(packedBound);
    for (auto _ : state) {
        auto start = Clock::now();
        uLongf packedSize = packedBound;
        if (compress2(packed.data(), &packedSize, stream.data(), stream.size(), Z_DEFAULT_COMPRESSION) != Z_OK) {
            state.SkipWithError("compress2 failed");
            return;
        }
        benchmark::DoNotOptimize(packed.data());
        referenceSeconds += Seconds(start);

        start = Clock::now();
        const std::vector<uint8_t> file = SaveToMemory();
        const double seconds = Seconds(start);
        formatSeconds += seconds;
        state.SetIterationTime(seconds);
        fileBytes = file.size();
    }
    Report(state, referenceSeconds, formatSeconds);
    state.counters["file_bytes"] = double(fileBytes);
    state.counters["stream_bytes"] = double(stream.size());
}
BENCHMARK(BM_SaveAgainstCompress2)->Unit(benchmark::kMillisecond)->UseManualTime()->MinTime(3);

void BM_LoadAgainstUncompress(benchmark::State& state)
{
    std::vector<uint8_t> file = SaveToMemory();
    const size_t streamBytes = ChunkStream().size();
    double referenceSeconds = 0;
    double formatSeconds = 0;
    double peakMultiple = 0;
    std::vector<uint8_t> stream(streamBytes);
    for (auto _ : state) {
        auto start = Clock::now();
        uLongf size = streamBytes;
        if (uncompress(stream.data(), &size, file.data() + kHeaderSize, file.size() - kHeaderSize) != Z_OK) {
            state.SkipWithError("uncompress failed");
            return;
        }
        benchmark::DoNotOptimize(stream.data());
        referenceSeconds += Seconds(start);

        CMemFile source(file);
        const size_t before = g_heapBytes;
        g_heapPeak = before;
        start = Clock::now();
        auto document = std::make_unique<CStippleboxData>();
        if (!sbx::Load(*document, source, nullptr)) {
            state.SkipWithError("load failed");
            return;
        }
        const double seconds = Seconds(start);
        peakMultiple = std::max(peakMultiple, double(g_heapPeak - before) / kPixelBytes);
        document.reset();
        formatSeconds += seconds;
        state.SetIterationTime(seconds);
    }
    Report(state, referenceSeconds, formatSeconds);
    state.counters["peak_heap_x_pixels"] = peakMultiple;
}
BENCHMARK(BM_LoadAgainstUncompress)->Unit(benchmark::kMillisecond)->UseManualTime()->MinTime(3);

// The largest plausible document, 256 layers of 1024 × 1024: opening it must
// need little beyond the document it makes. The counters give the peak heap
// while loading and what the loaded document holds, as multiples of its pixel
// bytes, and the difference between the two. zlib's own state (some 40 KiB,
// taken with malloc) is not counted.
void BM_LoadLargestDocumentHeap(benchmark::State& state)
{
    constexpr int kLargestLayers = 256;
    constexpr double kLargestPixelBytes = double(kSize) * kSize * kLargestLayers;
    std::vector<uint8_t> file;
    {
        auto document = MakePixelArtDocument(kSize, kSize, kLargestLayers, 7);
        CMemFile memory(65536);
        if (!sbx::Save(*document, memory, nullptr)) {
            state.SkipWithError("save failed");
            return;
        }
        file = memory.Detach();
    }
    double peakMultiple = 0;
    double documentMultiple = 0;
    for (auto _ : state) {
        CMemFile source(file);
        const size_t before = g_heapBytes;
        g_heapPeak = before;
        auto document = std::make_unique<CStippleboxData>();
        if (!sbx::Load(*document, source, nullptr)) {
            state.SkipWithError("load failed");
            return;
        }
        peakMultiple = std::max(peakMultiple, double(g_heapPeak - before) / kLargestPixelBytes);
        documentMultiple = double(g_heapBytes - before) / kLargestPixelBytes;
        document.reset();
    }
    state.counters["file_mib"] = double(file.size()) / (1 << 20);
    state.counters["peak_heap_x_pixels"] = peakMultiple;
    state.counters["document_x_pixels"] = documentMultiple;
    state.counters["beyond_document_x_pixels"] = peakMultiple - documentMultiple;
}
BENCHMARK(BM_LoadLargestDocumentHeap)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
