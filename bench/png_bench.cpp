// PNG writing and reading through the serializer against the same work done
// with direct libpng calls, on a 1024 × 1024 pixel-art picture held in memory.
#include <benchmark/benchmark.h>
#include <png.h>

#include <cstring>
#include <vector>

#include "formats/serializer_image_png.h"
#include "model/stipplebox_data.h"
#include "support/direct_png.h"
#include "support/pixel_art.h"

namespace {

CStippleboxData& Picture()
{
    static auto document = MakePixelArtDocument(1024, 1024, 1, 9);
    return *document;
}

// The file the serializer writes, made with libpng alone.
std::vector<uint8_t> WriteDirect(const CStippleboxData& data)
{
    return WritePngDirect(data.GetCurrentLayer()->GetPixels(), data.GetWidth(), data.GetHeight(),
                          *data.GetCurrentPalette());
}

struct SInput {
    const std::vector<uint8_t>* bytes;
    size_t position;
};

void ReadFromVector(png_structp png, png_bytep data, size_t length)
{
    auto* input = static_cast<SInput*>(png_get_io_ptr(png));
    std::memcpy(data, input->bytes->data() + input->position, length);
    input->position += length;
}

void BM_WriteSerializer(benchmark::State& state)
{
    CSerializerImagePng serializer;
    for (auto _ : state) {
        CMemFile file(1 << 20);
        serializer.WriteTo(file, &Picture());
        benchmark::DoNotOptimize(file.GetData().data());
    }
}
BENCHMARK(BM_WriteSerializer)->Unit(benchmark::kMillisecond);

void BM_WriteDirectLibpng(benchmark::State& state)
{
    for (auto _ : state) {
        const std::vector<uint8_t> file = WriteDirect(Picture());
        benchmark::DoNotOptimize(file.data());
    }
}
BENCHMARK(BM_WriteDirectLibpng)->Unit(benchmark::kMillisecond);

void BM_ReadSerializer(benchmark::State& state)
{
    std::vector<uint8_t> bytes = WriteDirect(Picture());
    CSerializerImagePng serializer;
    for (auto _ : state) {
        CMemFile file(bytes);
        CStippleboxData data;
        if (!serializer.ReadFrom(file, &data, false)) {
            state.SkipWithError("reading failed");
        }
        benchmark::DoNotOptimize(data.GetCurrentLayer()->GetPixels());
    }
}
BENCHMARK(BM_ReadSerializer)->Unit(benchmark::kMillisecond);

// Reading with libpng alone into a freshly allocated picture and palette.
void BM_ReadDirectLibpng(benchmark::State& state)
{
    const std::vector<uint8_t> bytes = WriteDirect(Picture());
    for (auto _ : state) {
        SInput input{&bytes, 0};
        png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
        png_infop info = png_create_info_struct(png);
        png_set_read_fn(png, &input, ReadFromVector);
        png_read_info(png, info);
        const png_uint_32 width = png_get_image_width(png, info);
        const png_uint_32 height = png_get_image_height(png, info);
        png_set_packing(png);
        png_colorp palette = nullptr;
        int count = 0;
        png_get_PLTE(png, info, &palette, &count);
        std::vector<png_color> colors(palette, palette + count);
        std::vector<uint8_t> pixels(size_t(width) * height);
        std::vector<png_bytep> rows(height);
        for (png_uint_32 y = 0; y < height; ++y) {
            rows[y] = pixels.data() + size_t(y) * width;
        }
        png_read_image(png, rows.data());
        png_read_end(png, nullptr);
        png_destroy_read_struct(&png, &info, nullptr);
        benchmark::DoNotOptimize(pixels.data());
    }
}
BENCHMARK(BM_ReadDirectLibpng)->Unit(benchmark::kMillisecond);

}  // namespace
