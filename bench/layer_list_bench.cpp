// The layer list of 32 layers of 1024 × 1024, every row on screen: painting
// the whole list with every thumbnail sampled afresh, and a one-layer edit,
// which samples one thumbnail again and paints its row. The references in
// the same run: a plain pass over the same layers' pixels (what a thumbnail
// that read every pixel would cost at least) and a plain fill of the list's
// back buffer (what painting the rows costs at least). Names and delays are
// left out: their text is drawn by the toolkit.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <numeric>

#include "bars/command_ids.h"
#include "model/stipplebox_data.h"
#include "support/bench_editor.h"
#include "views/layer_wnd.h"

namespace {

constexpr int kSize = 1024;
constexpr int kLayers = 32;

struct SListEditor {
    SListEditor()
    {
        editor.Dialog().OnCommand(kCmdLayerWindow);
        list = &editor.Dialog().GetToolWindows().GetLayerWnd()->GetList();
        list->OnSize(300, kLayers * CLayerListCtrl::GetRowHeight());
    }
    CBenchEditor editor{kSize, kLayers};
    CLayerListCtrl* list = nullptr;
};

SListEditor& Editor()
{
    static SListEditor editor;
    return editor;
}

void BM_PaintListWithFreshThumbnails(benchmark::State& state)
{
    CLayerListCtrl& list = *Editor().list;
    for (auto _ : state) {
        list.Refresh();
        benchmark::DoNotOptimize(list.GetBackBuffer()->GetBits());
    }
}
BENCHMARK(BM_PaintListWithFreshThumbnails)->Unit(benchmark::kMicrosecond);

void BM_OneLayerEdit(benchmark::State& state)
{
    CLayerListCtrl& list = *Editor().list;
    for (auto _ : state) {
        list.RefreshThumbnails({kLayers / 2});
        benchmark::DoNotOptimize(list.GetBackBuffer()->GetBits());
    }
}
BENCHMARK(BM_OneLayerEdit)->Unit(benchmark::kMicrosecond);

void BM_PlainPassOverTheLayers(benchmark::State& state)
{
    const CStippleboxLayerPtrArray& layers = *Editor().editor.Dialog().GetDocument()->GetLayers();
    for (auto _ : state) {
        uint64_t sum = 0;
        for (int i = 0; i < layers.GetSize(); ++i) {
            const uint8_t* pixels = layers[i]->GetPixels();
            sum = std::accumulate(pixels, pixels + layers[i]->GetPixelCount(), sum);
        }
        benchmark::DoNotOptimize(sum);
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * kLayers * kSize * kSize);
}
BENCHMARK(BM_PlainPassOverTheLayers)->Unit(benchmark::kMicrosecond);

void BM_PlainFillOfTheList(benchmark::State& state)
{
    const CDibSection& list = *Editor().list->GetBackBuffer();
    CDibSection buffer;
    buffer.Create(list.GetWidth(), list.GetHeight(), kDisplayBitCount, 0);
    DisplayPixel value = 0;
    for (auto _ : state) {
        for (int y = 0; y < buffer.GetHeight(); ++y) {
            std::fill_n(buffer.GetDisplayRow(y), buffer.GetWidth(), value);
        }
        benchmark::DoNotOptimize(buffer.GetBits());
        ++value;
    }
}
BENCHMARK(BM_PlainFillOfTheList)->Unit(benchmark::kMicrosecond);

}  // namespace
