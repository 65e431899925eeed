// Sprite sheet export of 64 layers of 256 × 256 (a grid of 8 columns, with
// its JSON) against writing the same sheet's pixels as one palette PNG with
// direct libpng calls, both into memory.
#include <benchmark/benchmark.h>

#include <vector>

#include "formats/sprite_sheet/sprite_sheet_export.h"
#include "model/stipplebox_data.h"
#include "platform/file.h"
#include "support/direct_png.h"
#include "support/pixel_art.h"

namespace {

constexpr SSpriteSheetOptions kGrid{8, 0};

CStippleboxData& Animation()
{
    static auto document = MakePixelArtDocument(256, 256, 64, 18);
    return *document;
}

void BM_ExportSpriteSheet(benchmark::State& state)
{
    for (auto _ : state) {
        CMemFile sheet(1 << 22);
        CMemFile json(1 << 16);
        std::string error;
        if (!WriteSpriteSheet(Animation(), kGrid, sheet, json, "sheet.png", &error)) {
            state.SkipWithError(error.c_str());
        }
        benchmark::DoNotOptimize(sheet.GetData().data());
    }
}
BENCHMARK(BM_ExportSpriteSheet)->Unit(benchmark::kMillisecond);

void BM_WriteSheetPixelsDirectLibpng(benchmark::State& state)
{
    const SSpriteSheetLayout layout = MakeSpriteSheetLayout(Animation(), kGrid);
    const CSize size = layout.GetSheetSize();
    std::vector<uint8_t> pixels(size_t(size.cx) * size_t(size.cy));
    for (int y = 0; y < size.cy; ++y) {
        ComposeSpriteSheetRow(Animation(), layout, y, &pixels[size_t(y) * size_t(size.cx)]);
    }
    for (auto _ : state) {
        const std::vector<uint8_t> file = WritePngDirect(pixels.data(), size.cx, size.cy,
                                                         *Animation().GetCurrentPalette(),
                                                         Animation().GetBackgroundColor());
        benchmark::DoNotOptimize(file.data());
    }
}
BENCHMARK(BM_WriteSheetPixelsDirectLibpng)->Unit(benchmark::kMillisecond);

}  // namespace
