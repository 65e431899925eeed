// One step of each kind of drawing tool on a canvas of 8 linked, visible
// layers, through the real main dialog and canvas: a freehand segment, a
// line tool step (the previous preview taken back, the new line drawn), and
// a whole fill stroke (fill, then the drawing command at pen-up). Each runs
// on a 256² and a 1024² canvas with the same step: equal times show that a
// step costs its dirty rectangle, not the canvas. The reference, in the same
// run, recomposes the whole canvas as a step that ignored its rectangle would.
#include <benchmark/benchmark.h>

#include "bars/command_ids.h"
#include "model/stipplebox_data.h"
#include "support/bench_editor.h"

namespace {

constexpr int kLayers = 8;

// A step of `length` pixels, back and forth about the canvas's middle.
void BM_FreehandSegment(benchmark::State& state)
{
    const int size = int(state.range(0));
    const int length = int(state.range(1));
    CBenchEditor editor(size, kLayers);
    editor.Dialog().OnCommand(kCmdToolFreehand);
    editor.Dialog().OnCommand(kCmdPenSizeFirst + 2);  // 4 pixels
    const CPoint ends[2] = {{size / 2 - length / 2, size / 2}, {size / 2 + length / 2, size / 2 + 3}};
    editor.Press(ends[0]);
    int next = 1;
    for (auto _ : state) {
        editor.Move(ends[next]);
        next ^= 1;
    }
    editor.Release(ends[next ^ 1]);
}
BENCHMARK(BM_FreehandSegment)->ArgsProduct({{256, 1024}, {16, 64}})->Unit(benchmark::kMicrosecond);

// The line tool's pointer moves between two ends of lines `length` long.
void BM_LineStep(benchmark::State& state)
{
    const int size = int(state.range(0));
    const int length = int(state.range(1));
    CBenchEditor editor(size, kLayers);
    editor.Dialog().OnCommand(kCmdToolLine);
    editor.Dialog().OnCommand(kCmdPenSizeFirst + 2);
    const CPoint start{size / 2 - length / 2, size / 2 - length / 2};
    const CPoint ends[2] = {{start.x + length, start.y + length / 2}, {start.x + length / 2, start.y + length}};
    editor.Press(start);
    int next = 0;
    for (auto _ : state) {
        editor.Move(ends[next]);
        next ^= 1;
    }
    editor.Release(ends[next ^ 1]);
}
BENCHMARK(BM_LineStep)->ArgsProduct({{256, 1024}, {16, 64}})->Unit(benchmark::kMicrosecond);

// Fills a side × side square framed by another colour, in two colours by
// turns so that each fill finds the whole square to fill again.
void BM_FillStroke(benchmark::State& state)
{
    const int size = int(state.range(0));
    const int side = int(state.range(1));
    CBenchEditor editor(size, kLayers);
    CStippleboxData& document = *editor.Dialog().GetDocument();
    CStippleboxLayerPtrArray& layers = *document.GetLayers();
    const int left = size / 2 - side / 2;
    for (int y = left - 1; y <= left + side; ++y) {
        for (int x = left - 1; x <= left + side; ++x) {
            const bool frame = x < left || y < left || x == left + side || y == left + side;
            layers.GetCurrent()->SetPixel(x, y, frame ? 250 : 201);
            // The fill reads the picture, so the layers in front stay clear there.
            for (int front = 0; front < layers.GetCurrentIndex(); ++front) {
                layers[front]->SetPixel(x, y, document.GetBackgroundColor());
            }
        }
    }
    editor.Dialog().OnLayersChanged(false);
    editor.Dialog().OnCommand(kCmdToolFill);
    const CPoint inside{left + side / 2, left + side / 2};
    uint8_t color = 200;
    for (auto _ : state) {
        document.SetDrawingColor(color);
        editor.Press(inside);
        editor.Release(inside);
        color ^= 1;
    }
    state.counters["pixels"] = benchmark::Counter(double(side) * side, benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(BM_FillStroke)->ArgsProduct({{256, 1024}, {16, 64}})->Unit(benchmark::kMicrosecond);

// What every step would cost if it recomposed and repainted the whole
// canvas instead of its rectangle.
void BM_ReferenceWholeCanvasRefresh(benchmark::State& state)
{
    const int size = int(state.range(0));
    CBenchEditor editor(size, kLayers);
    for (auto _ : state) {
        editor.Canvas().Refresh({0, 0, size, size}, true, true, false, true);
    }
}
BENCHMARK(BM_ReferenceWholeCanvasRefresh)->Arg(256)->Arg(1024)->Unit(benchmark::kMicrosecond);

}  // namespace
