// A freehand stroke of 1000 segments with the 10-pixel nib at the 50 % tone
// on a 1024 × 1024 layer, drawn as the freehand tool draws it: each segment a
// line without its first point, stamped through the drawing pen. The
// reference writes the same stamps' squares with no test at all, the floor
// of touching those pixels.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstring>

#include "model/stipplebox_data.h"
#include "support/pixel_art.h"
#include "tools/layer_painter.h"
#include "tools/pen_nib.h"
#include "tools/shape.h"
#include "tools/shape_pen.h"
#include "tools/tone.h"

namespace {

constexpr int kSize = 1024;
constexpr int kSegments = 1000;

// A looping path of short pen moves, as a hand makes them.
std::vector<CPoint> StrokePoints()
{
    std::vector<CPoint> points;
    for (int i = 0; i <= kSegments; ++i) {
        const double t = i * 0.02;
        points.push_back({int(512 + 400 * std::sin(t) * std::cos(t * 0.31)), int(512 + 400 * std::sin(t * 1.7))});
    }
    return points;
}

struct SStrokeSetup {
    SStrokeSetup() : document(MakePixelArtDocument(kSize, kSize, 1, 3)), points(StrokePoints())
    {
        nib.SetSize(10);
        tone.SetLevel(4);
    }
    std::unique_ptr<CStippleboxData> document;
    std::vector<CPoint> points;
    CPenNib nib;
    CTone tone;
};

// Records the stamp points, to give the reference the same work.
class CStampRecorder : public CShapePen {
public:
    void Plot(int x, int y) override { stamps.push_back({x, y}); }
    std::vector<CPoint> stamps;
};

void BM_FreehandStroke(benchmark::State& state)
{
    SStrokeSetup setup;
    CStippleboxLayer& layer = *setup.document->GetCurrentLayer();
    for (auto _ : state) {
        CRect dirty;
        for (int i = 1; i <= kSegments; ++i) {
            CLayerPainter painter(layer, *setup.document->GetCurrentPalette(), setup.nib, setup.tone, 200);
            CShapePenDrawNormal pen(&painter);
            CRect segment;
            const CPoint from = setup.points[i - 1];
            const CPoint to = setup.points[i];
            CShapeLine(false).Draw(pen, from.x, from.y, to.x, to.y, &segment);
            painter.ClipToEditArea(segment);
            dirty.UnionRect(dirty, segment);
        }
        benchmark::DoNotOptimize(dirty);
    }
    state.counters["segment"] = benchmark::Counter(kSegments, benchmark::Counter::kIsIterationInvariantRate |
                                                                  benchmark::Counter::kInvert);
}
BENCHMARK(BM_FreehandStroke)->Unit(benchmark::kMillisecond);

void BM_ReferenceSquareStamps(benchmark::State& state)
{
    SStrokeSetup setup;
    CStampRecorder recorder;
    for (int i = 1; i <= kSegments; ++i) {
        const CPoint from = setup.points[i - 1];
        const CPoint to = setup.points[i];
        CShapeLine(false).Draw(recorder, from.x, from.y, to.x, to.y, nullptr);
    }
    CStippleboxLayer& layer = *setup.document->GetCurrentLayer();
    for (auto _ : state) {
        for (const CPoint& p : recorder.stamps) {
            for (int y = p.y - 5; y < p.y + 5; ++y) {
                std::memset(layer.GetPixels() + size_t(y) * kSize + (p.x - 5), 200, 10);
            }
        }
        benchmark::DoNotOptimize(layer.GetPixels());
    }
    state.counters["segment"] = benchmark::Counter(kSegments, benchmark::Counter::kIsIterationInvariantRate |
                                                                  benchmark::Counter::kInvert);
    state.counters["stamps"] = double(recorder.stamps.size());
}
BENCHMARK(BM_ReferenceSquareStamps)->Unit(benchmark::kMillisecond);

}  // namespace
