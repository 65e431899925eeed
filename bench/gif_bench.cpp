// GIF encoding and decoding against giflib on the same pictures: one
// 1024 × 1024 pixel-art frame, and a 64-frame 256 × 256 animation. The
// counter "bytes" is the size of the file each one makes.
#include <benchmark/benchmark.h>
#include <gif_lib.h>

#include <cstring>
#include <vector>

#include "formats/gif_file.h"
#include "formats/serializer_image_gif.h"
#include "model/stipplebox_data.h"
#include "support/pixel_art.h"

namespace {

CStippleboxData& Frame()
{
    static auto document = MakePixelArtDocument(1024, 1024, 1, 7);
    return *document;
}

CStippleboxData& Animation()
{
    static auto document = MakePixelArtDocument(256, 256, 64, 8);
    return *document;
}

std::vector<uint8_t> EncodeOurs(const CStippleboxData& data)
{
    CSerializerImageGif gif;
    CMemFile file(1 << 20);
    gif.WriteAnimationTo(file, &data);
    return file.Detach();
}

int AppendOutput(GifFileType* gif, const GifByteType* bytes, int length)
{
    auto* out = static_cast<std::vector<uint8_t>*>(gif->UserData);
    out->insert(out->end(), bytes, bytes + length);
    return length;
}

// The same file with giflib: the palette as global colour map, the frames
// backmost first, each line put with EGifPutLine, and for an animation the
// endless loop and a graphic control block per frame.
std::vector<uint8_t> EncodeGiflib(const CStippleboxData& data)
{
    std::vector<uint8_t> out;
    out.reserve(1 << 20);
    int error = 0;
    GifFileType* gif = EGifOpen(&out, AppendOutput, &error);
    GifColorType colors[256];
    const CStippleboxPalette& palette = *data.GetCurrentPalette();
    for (int i = 0; i < 256; ++i) {
        colors[i] = {palette.GetColor(i).red, palette.GetColor(i).green, palette.GetColor(i).blue};
    }
    ColorMapObject* map = GifMakeMapObject(256, colors);
    const CStippleboxLayerPtrArray& layers = *data.GetLayers();
    const bool animated = layers.GetSize() > 1;
    EGifSetGifVersion(gif, true);
    EGifPutScreenDesc(gif, data.GetWidth(), data.GetHeight(), 8, data.GetBackgroundColor(), map);
    if (animated) {
        const unsigned char loop[] = {1, 0, 0};
        EGifPutExtensionLeader(gif, APPLICATION_EXT_FUNC_CODE);
        EGifPutExtensionBlock(gif, 11, "NETSCAPE2.0");
        EGifPutExtensionBlock(gif, 3, loop);
        EGifPutExtensionTrailer(gif);
    }
    for (int index = layers.GetSize() - 1; index >= 0; --index) {
        const CStippleboxLayer& layer = *layers[index];
        if (animated) {
            const int delay = layer.GetDelay().GetDelay(CDelay::kHundredthsUnit);
            const unsigned char control[] = {0, static_cast<unsigned char>(delay), static_cast<unsigned char>(delay >> 8),
                                             0};
            EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, 4, control);
        }
        EGifPutImageDesc(gif, 0, 0, layer.GetWidth(), layer.GetHeight(), false, nullptr);
        for (int y = 0; y < layer.GetHeight(); ++y) {
            EGifPutLine(gif, const_cast<GifPixelType*>(layer.GetPixels() + size_t(y) * layer.GetWidth()),
                        layer.GetWidth());
        }
    }
    EGifCloseFile(gif, &error);
    GifFreeMapObject(map);
    return out;
}

using Encoder = std::vector<uint8_t> (*)(const CStippleboxData&);

void BM_Encode(benchmark::State& state, CStippleboxData& (*picture)(), Encoder encode)
{
    size_t bytes = 0;
    for (auto _ : state) {
        const std::vector<uint8_t> file = encode(picture());
        bytes = file.size();
        benchmark::DoNotOptimize(file.data());
    }
    state.counters["bytes"] = static_cast<double>(bytes);
}

struct SInput {
    const std::vector<uint8_t>* bytes;
    size_t position;
};

int ReadInput(GifFileType* gif, GifByteType* buffer, int length)
{
    auto* input = static_cast<SInput*>(gif->UserData);
    const size_t count = std::min<size_t>(length, input->bytes->size() - input->position);
    std::memcpy(buffer, input->bytes->data() + input->position, count);
    input->position += count;
    return static_cast<int>(count);
}

void BM_DecodeOurs(benchmark::State& state, CStippleboxData& (*picture)())
{
    const std::vector<uint8_t> file = EncodeGiflib(picture());
    for (auto _ : state) {
        CGifInfo info;
        CGifFile gif;
        if (!gif.Read(file, info, false)) {
            state.SkipWithError("decoding failed");
        }
        benchmark::DoNotOptimize(info.frames.back()->GetPixels().data());
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * picture().GetWidth() * picture().GetHeight() *
                            picture().GetLayers()->GetSize());
}

void BM_DecodeGiflib(benchmark::State& state, CStippleboxData& (*picture)())
{
    const std::vector<uint8_t> file = EncodeGiflib(picture());
    for (auto _ : state) {
        SInput input{&file, 0};
        int error = 0;
        GifFileType* gif = DGifOpen(&input, ReadInput, &error);
        if (DGifSlurp(gif) != GIF_OK) {
            state.SkipWithError("decoding failed");
        }
        benchmark::DoNotOptimize(gif->SavedImages[gif->ImageCount - 1].RasterBits);
        DGifCloseFile(gif, &error);
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * picture().GetWidth() * picture().GetHeight() *
                            picture().GetLayers()->GetSize());
}

BENCHMARK_CAPTURE(BM_Encode, ours_frame_1024, Frame, EncodeOurs)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Encode, giflib_frame_1024, Frame, EncodeGiflib)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Encode, ours_animation_64x256, Animation, EncodeOurs)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Encode, giflib_animation_64x256, Animation, EncodeGiflib)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_DecodeOurs, frame_1024, Frame)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_DecodeGiflib, frame_1024, Frame)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_DecodeOurs, animation_64x256, Animation)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_DecodeGiflib, animation_64x256, Animation)->Unit(benchmark::kMillisecond);

}  // namespace
