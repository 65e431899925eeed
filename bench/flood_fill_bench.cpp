// Flood fill of a 1024 × 1024 canvas: the editor's span fill against the
// plain pixel-by-pixel growth with its worst-case stack, on a large irregular
// region of pixel art and on a canvas of one colour, in the normal and the
// outer-edge styles. Besides time, each reports the peak of what one fill
// allocates.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <new>

#include "model/stipplebox_data.h"
#include "reference/flood_fill_reference.h"
#include "support/pixel_art.h"
#include "tools/fill_region.h"
#include "tools/layer_painter.h"
#include "tools/pen_nib.h"
#include "tools/tone.h"

namespace {

// Heap bytes in use, and their peak since the last reset.
std::atomic<size_t> g_allocated{0};
std::atomic<size_t> g_peak{0};

void* Allocate(size_t size)
{
    void* block = std::malloc(size + sizeof(std::max_align_t));
    if (block == nullptr) {
        throw std::bad_alloc();
    }
    *static_cast<size_t*>(block) = size;
    const size_t now = g_allocated += size;
    size_t peak = g_peak.load();
    while (now > peak && !g_peak.compare_exchange_weak(peak, now)) {
    }
    return static_cast<char*>(block) + sizeof(std::max_align_t);
}

void Release(void* pointer)
{
    if (pointer == nullptr) {
        return;
    }
    void* block = static_cast<char*>(pointer) - sizeof(std::max_align_t);
    g_allocated -= *static_cast<size_t*>(block);
    std::free(block);
}

}  // namespace

void* operator new(size_t size) { return Allocate(size); }
void* operator new[](size_t size) { return Allocate(size); }
void operator delete(void* pointer) noexcept { Release(pointer); }
void operator delete[](void* pointer) noexcept { Release(pointer); }
void operator delete(void* pointer, size_t) noexcept { Release(pointer); }
void operator delete[](void* pointer, size_t) noexcept { Release(pointer); }

namespace {

constexpr int kSize = 1024;
constexpr uint8_t kInk = 255;

enum EPicture { kPixelArt, kOneColour };

// The picture the fill reads, kept apart from the layer it paints so that
// every iteration fills the same region.
struct SCanvas {
    explicit SCanvas(EPicture picture) : document(MakePixelArtDocument(kSize, kSize, 1, 42))
    {
        CStippleboxLayer& layer = *document->GetCurrentLayer();
        if (picture == kOneColour) {
            layer.Fill(3);
        }
        displayed.assign(layer.GetPixels(), layer.GetPixels() + size_t(kSize) * kSize);
        // Seed in the most common colour: the background around and between
        // the shapes, the largest and most winding region.
        size_t counts[256] = {};
        for (const uint8_t index : displayed) {
            ++counts[index];
        }
        const auto background = uint8_t(std::max_element(std::begin(counts), std::end(counts)) - std::begin(counts));
        const size_t first = size_t(std::find(displayed.begin(), displayed.end(), background) - displayed.begin());
        seed = {int(first % kSize), int(first / kSize)};
    }
    CLayerPainter Painter()
    {
        return CLayerPainter(*document->GetCurrentLayer(), *document->GetCurrentPalette(), nib, tone, kInk);
    }

    std::unique_ptr<CStippleboxData> document;
    std::vector<uint8_t> displayed;
    CPoint seed;
    CPenNib nib;
    CTone tone;
};

SCanvas& Canvas(EPicture picture)
{
    static SCanvas pixelArt(kPixelArt);
    static SCanvas oneColour(kOneColour);
    return picture == kPixelArt ? pixelArt : oneColour;
}

// The plain growth, then the same edge style and painting as the editor's.
CRect ReferenceFill(SCanvas& canvas, EFillStyle style)
{
    const CRect area{0, 0, kSize, kSize};
    SFillRegion region = ReferenceGrowFillRegion({canvas.displayed.data(), kSize, nullptr, {}}, area, canvas.seed);
    if (style == kFillOuterEdge) {
        MakeOuterEdge(region);
    }
    return canvas.Painter().PaintMask(region.bounds, region.mask.data(), region.area);
}

CRect SpanFill(SCanvas& canvas, EFillStyle style)
{
    return canvas.Painter().FloodFill(canvas.seed.x, canvas.seed.y, canvas.displayed.data(), style);
}

template <CRect (*Fill)(SCanvas&, EFillStyle)>
void BM_Fill(benchmark::State& state)
{
    SCanvas& canvas = Canvas(EPicture(state.range(0)));
    const auto style = EFillStyle(state.range(1));
    const size_t before = g_allocated.load();
    g_peak = before;
    CRect painted = Fill(canvas, style);
    const size_t peak = g_peak.load() - before;
    for (auto _ : state) {
        painted = Fill(canvas, style);
        benchmark::DoNotOptimize(painted);
    }
    const SFillRegion region =
        GrowFillRegion({canvas.displayed.data(), kSize, nullptr, {}}, {0, 0, kSize, kSize}, canvas.seed);
    state.counters["region_px"] = double(std::count(region.mask.begin(), region.mask.end(), 1));
    state.counters["peak_alloc_KiB"] = double(peak) / 1024.0;
    state.counters["beyond_mask_KiB"] = double(peak - region.mask.size()) / 1024.0;
}

void Arguments(benchmark::internal::Benchmark* benchmark)
{
    benchmark->ArgNames({"picture", "style"});
    for (const int picture : {kPixelArt, kOneColour}) {
        for (const int style : {kFillNormal, kFillOuterEdge}) {
            benchmark->Args({picture, style});
        }
    }
    benchmark->Unit(benchmark::kMillisecond);
}

BENCHMARK(BM_Fill<ReferenceFill>)->Name("BM_ReferenceFill")->Apply(Arguments);
BENCHMARK(BM_Fill<SpanFill>)->Name("BM_SpanFill")->Apply(Arguments);

}  // namespace
