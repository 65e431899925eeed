// Selections and keep-look on 1024 × 1024 pictures of pixel art, each beside
// a plain pass over the same bytes measured in the same run:
// - a same-colour selection from the most common colour (the largest, most
//   winding region) and a colour selection of three colours, against one
//   pass that reads the picture and writes a byte per pixel;
// - one step of dragging a 512 × 512 floating selection by a pixel, against
//   one pass over its three planes;
// - renumbering 32 layers for keep-look, against one pass that rewrites
//   every byte of them.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>

#include "model/floating_selection.h"
#include "model/index_remap.h"
#include "model/stipplebox_data.h"
#include "model/stipplebox_image_selection.h"
#include "support/pixel_art.h"
#include "tools/selection_mask.h"

namespace {

constexpr int kSize = 1024;

const CStippleboxData& Picture()
{
    static const auto document = MakePixelArtDocument(kSize, kSize, 1, 42);
    return *document;
}

const uint8_t* Pixels()
{
    return Picture().GetCurrentLayer()->GetPixels();
}

// A plain pass: every byte read, changed and written once.
void PlainPass(const uint8_t* source, uint8_t* target, size_t count)
{
    for (size_t i = 0; i < count; ++i) {
        target[i] = uint8_t(source[i] + 1);
    }
    benchmark::ClobberMemory();
}

std::array<size_t, 256> CountIndices()
{
    std::array<size_t, 256> counts{};
    for (size_t i = 0; i < size_t(kSize) * kSize; ++i) {
        ++counts[Pixels()[i]];
    }
    return counts;
}

void BM_PlainPassOverThePicture(benchmark::State& state)
{
    std::vector<uint8_t> target(size_t(kSize) * kSize);
    for (auto _ : state) {
        PlainPass(Pixels(), target.data(), target.size());
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * kSize * kSize);
}
BENCHMARK(BM_PlainPassOverThePicture)->Unit(benchmark::kMillisecond);

void BM_SameColorSelection(benchmark::State& state)
{
    const std::array<size_t, 256> counts = CountIndices();
    const auto common = uint8_t(std::max_element(counts.begin(), counts.end()) - counts.begin());
    const size_t first = size_t(std::find(Pixels(), Pixels() + size_t(kSize) * kSize, common) - Pixels());
    const CPoint seed{int(first % kSize), int(first / kSize)};
    for (auto _ : state) {
        SSelectionMask selection = MakeSameColorSelection(Pixels(), {kSize, kSize}, seed);
        benchmark::DoNotOptimize(selection);
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * kSize * kSize);
}
BENCHMARK(BM_SameColorSelection)->Unit(benchmark::kMillisecond);

void BM_ColorSelection(benchmark::State& state)
{
    const std::array<size_t, 256> counts = CountIndices();
    std::array<bool, 256> marked{};
    int markedCount = 0;
    for (int i = 255; i >= 0 && markedCount < 3; --i) {
        if (counts[i] != 0) {
            marked[i] = true;
            ++markedCount;
        }
    }
    for (auto _ : state) {
        SSelectionMask selection = MakeColorSelection(Pixels(), {kSize, kSize}, marked);
        benchmark::DoNotOptimize(selection);
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * kSize * kSize);
}
BENCHMARK(BM_ColorSelection)->Unit(benchmark::kMillisecond);

// A 512 × 512 selection lifted from the middle of a copy of the picture.
struct SDrag {
    SDrag() : document(MakePixelArtDocument(kSize, kSize, 1, 42))
    {
        CStippleboxImageSelection& selection = document->GetCurrentLayer()->GetSelection();
        selection.Create({256, 256, 768, 768});
        std::fill(selection.GetUnderneath().begin(), selection.GetUnderneath().end(), 0);
        layers = {document->GetCurrentLayer()};
        LiftSelections(layers);
    }
    std::unique_ptr<CStippleboxData> document;
    std::vector<CStippleboxLayer*> layers;
};

void BM_PlainPassOverThreePlanes(benchmark::State& state)
{
    const size_t area = 512 * 512;
    std::vector<uint8_t> source(3 * area, 5);
    std::vector<uint8_t> target(3 * area);
    for (auto _ : state) {
        PlainPass(source.data(), target.data(), target.size());
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(3 * area));
}
BENCHMARK(BM_PlainPassOverThreePlanes)->Unit(benchmark::kMicrosecond);

void BM_DragStepOfAFloatingSelection(benchmark::State& state)
{
    SDrag drag;
    const bool transparent = state.range(0) != 0;
    int direction = 1;
    for (auto _ : state) {
        CarrySelections(drag.layers, {direction, 0}, transparent, 0);
        direction = -direction;
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * 3 * 512 * 512);
}
BENCHMARK(BM_DragStepOfAFloatingSelection)->ArgName("transparent")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

constexpr int kLayerCount = 32;

CStippleboxData& ManyLayers()
{
    static const auto document = MakePixelArtDocument(kSize, kSize, kLayerCount, 7);
    return *document;
}

void BM_PlainPassOverAllLayers(benchmark::State& state)
{
    CStippleboxLayerPtrArray& layers = *ManyLayers().GetLayers();
    for (auto _ : state) {
        for (int i = 0; i < layers.GetSize(); ++i) {
            PlainPass(layers[i]->GetPixels(), layers[i]->GetPixels(), layers[i]->GetPixelCount());
        }
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * kLayerCount * kSize * kSize);
}
BENCHMARK(BM_PlainPassOverAllLayers)->Unit(benchmark::kMillisecond);

// Renumbers with a swap of two entries (a colour swap), a move of one entry
// across 40 (a colour insert), a swap of five scattered pairs, or a reversal
// of every entry (as a large moved entry selection may give).
void BM_KeepLookRemap(benchmark::State& state)
{
    CIndexMap table = MakeSwapMap(3, 7);
    switch (state.range(0)) {
    case 1:
        table = InvertOrder(MakeMoveOrder(10, 50));
        break;
    case 2:
        for (int pair = 0; pair < 5; ++pair) {
            std::swap(table[pair * 40], table[pair * 40 + 20]);
        }
        break;
    case 3:
        std::reverse(table.begin(), table.end());
        break;
    default:
        break;
    }
    CStippleboxLayerPtrArray& layers = *ManyLayers().GetLayers();
    for (auto _ : state) {
        RemapLayerIndices(layers, table);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * kLayerCount * kSize * kSize);
}
BENCHMARK(BM_KeepLookRemap)->ArgName("map")->DenseRange(0, 3)->Unit(benchmark::kMillisecond);

}  // namespace
