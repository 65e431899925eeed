// One step of each of the palette window's live previews, on a 1024 × 1024
// picture of 32 layers shown at zoom 1 on a 1600 × 1000 canvas:
//
// - a keep-look drag of selected entries: the pen moves to a new place, the
//   grid previews the reordered palette, and the canvas is painted again
//   through the palette as it was (the look the drop keeps), as the window
//   system may ask at any step. The reference is one plain pass over the
//   composite's bytes through a table; the renumbering of all layers, which
//   the drop does once, is measured beside it.
// - a value-bar drag: the pen moves along a bar, the entry changes, and the
//   whole canvas is painted again. The reference is a plain copy of the back
//   buffer.
#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

#include "bars/command_ids.h"
#include "model/index_remap.h"
#include "model/stipplebox_data.h"
#include "palette/palette_wnd.h"
#include "support/bench_editor.h"
#include "tools/tool_options.h"

namespace {

constexpr int kSize = 1024;
constexpr int kLayers = 32;

// The editor with its canvas at 1600 × 1000, zoom 1, and the palette window
// open for the drawing colour, pinned.
class CPaletteBench {
public:
    CPaletteBench() : m_editor(kSize, kLayers)
    {
        m_editor.Canvas().OnSize(1600, 1000);
        m_editor.Dialog().OpenPaletteWindow(IMainDialog::kDrawingColor);
        Window().OnCommand(kCmdWindowPin);
    }
    CPaletteWnd& Window() { return *m_editor.Dialog().GetPaletteWnd(); }
    CBenchEditor& Editor() { return m_editor; }
    CPoint Cell(int entry)
    {
        const CSize cell = Window().GetColorList().GetCellSize();
        return {entry % 16 * cell.cx + cell.cx / 2, entry / 16 * cell.cy + cell.cy / 2};
    }

private:
    CBenchEditor m_editor;
};

void BM_KeepLookDragStep(benchmark::State& state)
{
    CPaletteBench bench;
    CColorListEditWnd& grid = bench.Window().GetColorList();
    bench.Window().OnCommand(kCmdPaletteToolSelectLine);
    grid.OnLButtonDown(MK_LBUTTON, bench.Cell(16));
    grid.OnMouseMove(MK_LBUTTON, bench.Cell(47));
    grid.OnLButtonUp(0, bench.Cell(47));
    SToolOptions& options = bench.Editor().Dialog().GetToolOptions();
    options.paletteDragOption = 3;
    options.keepLook = true;
    grid.OnLButtonDown(MK_LBUTTON, bench.Cell(20));
    int step = 0;
    for (auto _ : state) {
        // Two rows further on and back, so that every step is a new offset.
        grid.OnMouseMove(MK_LBUTTON, bench.Cell(++step % 2 == 0 ? 20 : 52));
        bench.Editor().Canvas().RepaintAll(true);
        benchmark::DoNotOptimize(bench.Editor().Canvas().GetBackBuffer()->GetBits());
    }
    grid.OnLButtonUp(0, bench.Cell(20));
}
BENCHMARK(BM_KeepLookDragStep)->Unit(benchmark::kMillisecond);

void BM_PlainPassOverComposite(benchmark::State& state)
{
    std::vector<uint8_t> composite(size_t(kSize) * kSize, 7);
    std::vector<DisplayPixel> out(composite.size());
    std::vector<DisplayPixel> table(256, 0x123456);
    for (auto _ : state) {
        for (size_t i = 0; i < composite.size(); ++i) {
            out[i] = table[composite[i]];
        }
        benchmark::DoNotOptimize(out.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(composite.size()));
}
BENCHMARK(BM_PlainPassOverComposite)->Unit(benchmark::kMillisecond);

// What the drop does once: every layer renumbered, the composite rebuilt.
void BM_RenumberAllLayers(benchmark::State& state)
{
    CPaletteBench bench;
    const CIndexMap swap = MakeSwapMap(3, 200);
    for (auto _ : state) {
        bench.Editor().Canvas().RemapIndices(swap);
    }
}
BENCHMARK(BM_RenumberAllLayers)->Unit(benchmark::kMillisecond);

void BM_ValueBarDragStep(benchmark::State& state)
{
    CPaletteBench bench;
    CColorValueBar& red = bench.Window().GetBar(0);
    const int row = red.GetStripRect().top + 2;
    red.OnLButtonDown(MK_LBUTTON, {red.ValueToX(10), row});
    int step = 0;
    for (auto _ : state) {
        red.OnMouseMove(MK_LBUTTON, {red.ValueToX(++step % 2 == 0 ? 10 : 240), row});
        benchmark::DoNotOptimize(bench.Editor().Canvas().GetBackBuffer()->GetBits());
    }
    red.OnLButtonUp(0, {red.ValueToX(10), row});
}
BENCHMARK(BM_ValueBarDragStep)->Unit(benchmark::kMillisecond);

void BM_CopyBackBuffer(benchmark::State& state)
{
    CPaletteBench bench;
    const CDibSection& buffer = *bench.Editor().Canvas().GetBackBuffer();
    const size_t bytes = size_t(buffer.GetStride()) * size_t(buffer.GetHeight());
    std::vector<uint8_t> target(bytes);
    for (auto _ : state) {
        std::memcpy(target.data(), buffer.GetBits(), bytes);
        benchmark::DoNotOptimize(target.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(bytes));
}
BENCHMARK(BM_CopyBackBuffer)->Unit(benchmark::kMillisecond);

}  // namespace
