// The whole repaint of the canvas (a 1600 × 1000 window over a 1024 × 1024
// picture) at zoom 1 and at zoom 8 with the pixel and interval grids,
// against a plain copy of as many bytes as the window's back buffer holds,
// which is the least any repaint of the whole window costs.
#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

#include "model/dib_section.h"
#include "model/stipplebox_data.h"
#include "support/pixel_art.h"
#include "views/image_edit_wnd.h"

namespace {

constexpr int kClientWidth = 1600;
constexpr int kClientHeight = 1000;

size_t BackBufferBytes()
{
    CDibSection buffer;
    buffer.Create(kClientWidth + CImageWnd::kBackBufferMargin, kClientHeight + CImageWnd::kBackBufferMargin,
                  kDisplayBitCount, 0);
    return size_t(buffer.GetStride()) * size_t(buffer.GetHeight());
}

void BM_RepaintAll(benchmark::State& state)
{
    const int zoom = int(state.range(0));
    const auto document = MakePixelArtDocument(1024, 1024, 1, 3);
    CImageEditWnd window;
    window.SetOverscroll(true);
    window.AttachDocument(document.get());
    window.OnSize(kClientWidth, kClientHeight);
    window.SetZoom(zoom, true);
    for (auto _ : state) {
        window.RepaintAll(false);
        benchmark::DoNotOptimize(window.GetBackBuffer()->GetBits());
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(BackBufferBytes()));
}
BENCHMARK(BM_RepaintAll)->Arg(1)->Arg(8)->Unit(benchmark::kMillisecond);

void BM_CopyBackBufferBytes(benchmark::State& state)
{
    const size_t bytes = BackBufferBytes();
    std::vector<uint8_t> source(bytes, 0x5A);
    std::vector<uint8_t> target(bytes, 0);
    for (auto _ : state) {
        std::memcpy(target.data(), source.data(), bytes);
        benchmark::DoNotOptimize(target.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(bytes));
}
BENCHMARK(BM_CopyBackBufferBytes)->Unit(benchmark::kMillisecond);

}  // namespace
