#include "formats/serializer_image_gif_layers.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <new>
#include <optional>
#include <vector>

#include "formats/gif_file.h"
#include "formats/gif_frame_compositor.h"
#include "formats/gif_info.h"
#include "formats/serializer_image_file.h"
#include "model/stipplebox_data.h"
#include "platform/exceptions.h"
#include "platform/file.h"
#include "platform/message_box.h"

namespace {

constexpr char kOpenFailed[] = "ファイルのオープンに失敗しました。";
constexpr char kUnknownFailure[] = "原因不明のエラーが発生しました。\n読み込みを中断します。";
constexpr char kColorsMapped[] =
    "パレットと異なる色のフレームがありました。\nそれらの色はパレットの最も近い色に置き換えました。";

// The logical screen when the editor can hold it; otherwise the box from the
// origin that holds every frame.
CSize CanvasSize(const CGifInfo& info)
{
    if (CSerializerImage::CheckCanvasSize(info.width, info.height, nullptr)) {
        return {info.width, info.height};
    }
    CSize size;
    for (const auto& frame : info.frames) {
        size.cx = std::max(size.cx, frame->right);
        size.cy = std::max(size.cy, frame->bottom);
    }
    return size;
}

// The index pixels that show through the frames: the transparent index of
// the first frame that has one, otherwise the file's background colour.
uint8_t BackgroundIndex(const CGifInfo& info)
{
    for (const auto& frame : info.frames) {
        if (frame->transparent) {
            return frame->transparentIndex;
        }
    }
    return info.backgroundIndex;
}

SPaletteColor ToPaletteColor(const RGBQUAD& entry)
{
    return {entry.rgbBlue, entry.rgbGreen, entry.rgbRed};
}

void SetPalette(CStippleboxPalette& palette, const std::vector<RGBQUAD>& table)
{
    for (int i = 0; i < CStippleboxPalette::kEntryCount; ++i) {
        palette.SetColor(i, i < int(table.size()) ? ToPaletteColor(table[i]) : SPaletteColor{});
    }
}

// How a frame's indices reach the palette: a map when the frame has a colour
// table of its own that is not the palette's, and whether that changes any
// colour the frame shows.
struct SFrameColors {
    std::optional<GifIndexMap> map;
    bool changesColors = false;
};

// Each index of such a frame goes to the palette's nearest colour, never to
// the background, which shows through. Indices beyond the table are black,
// as the palette's entries beyond a short table are.
SFrameColors MapToPalette(const CGifImageInfo& frame, const CStippleboxPalette& palette, uint8_t background)
{
    const std::vector<RGBQUAD>& table = frame.localColorTable;
    bool same = true;
    for (size_t i = 0; i < table.size() && same; ++i) {
        same = ToPaletteColor(table[i]) == palette.GetColor(int(i));
    }
    if (same) {
        return {};
    }
    std::array<bool, 256> shown{};
    for (const uint8_t index : frame.GetPixels()) {
        shown[index] = true;
    }
    if (frame.transparent) {
        shown[frame.transparentIndex] = false;
    }
    SFrameColors colors{GifIndexMap{}, false};
    for (size_t i = 0; i < colors.map->size(); ++i) {
        const SPaletteColor color = i < table.size() ? ToPaletteColor(table[i]) : SPaletteColor{};
        (*colors.map)[i] = static_cast<uint8_t>(palette.FindNearest(color, background));
        colors.changesColors = colors.changesColors || (shown[i] && palette.GetColor((*colors.map)[i]) != color);
    }
    return colors;
}

}  // namespace

uint32_t CSerializerImageGifLayers::GetFlags() const
{
    return kCanRead;
}

bool CSerializerImageGifLayers::GetFormat(int index, std::string& label, std::string& extension) const
{
    if (index != 0) {
        return false;
    }
    label = "GIF - Graphics Interchange Format";
    extension = ".gif";
    return true;
}

bool CSerializerImageGifLayers::OnRead(const std::filesystem::path& path, CStippleboxData* data, bool allowWarnings)
{
    CFile file;
    if (!file.Open(path, CFile::OpenMode::Read)) {
        return Fail(kOpenFailed);
    }
    return ReadFrom(file, data, allowWarnings);
}

bool CSerializerImageGifLayers::Fail(std::string text)
{
    SetErrorText(std::move(text));
    return false;
}

bool CSerializerImageGifLayers::ReadFrom(CFile& file, CStippleboxData* data, bool allowWarnings)
{
    ClearErrorText();
    try {
        const std::vector<uint8_t> bytes = CSerializerImageFile::ReadWholeFile(file);
        CGifInfo layout;
        CSize canvas;
        return ReadLayout(bytes, layout, canvas) && ReadFrames(bytes, layout, canvas, *data, allowWarnings);
    } catch (const CException& exception) {
        return Fail(exception.GetErrorMessage());
    } catch (const std::bad_alloc&) {
        return Fail(CMemoryException().GetErrorMessage());
    } catch (const std::exception&) {
        return Fail(kUnknownFailure);
    }
}

bool CSerializerImageGifLayers::ReadLayout(std::span<const uint8_t> bytes, CGifInfo& layout, CSize& canvas)
{
    CGifFile reader;
    reader.SetDecodedFrameLimit(0);
    if (!reader.Read(bytes, layout, false)) {
        return Fail(reader.GetErrorText());
    }
    const size_t frameCount = layout.frames.size();
    if (frameCount > kMaxFrames) {
        return Fail("フレーム数が多すぎます : " + std::to_string(frameCount) + "\n読み込めるのは " +
                    std::to_string(kMaxFrames) + " フレームまでです。");
    }
    for (const auto& frame : layout.frames) {
        if (frame->GetWidth() > CStippleboxData::kMaxCanvasSize || frame->GetHeight() > CStippleboxData::kMaxCanvasSize) {
            return Fail("フレームの大きさが異常です : " + std::to_string(frame->GetWidth()) + " x " +
                        std::to_string(frame->GetHeight()));
        }
    }
    canvas = CanvasSize(layout);
    std::string error;
    if (!CheckCanvasSize(canvas.cx, canvas.cy, &error)) {
        return Fail(error);
    }
    if (uint64_t(canvas.cx) * uint64_t(canvas.cy) * frameCount > kMaxLayerBytes) {
        return Fail("アニメーションが大きすぎます。\nレイヤの合計が " + std::to_string(kMaxLayerBytes >> 20) +
                    " MiB を超えます。");
    }
    return true;
}

bool CSerializerImageGifLayers::ReadFrames(std::span<const uint8_t> bytes, const CGifInfo& layout, CSize canvas,
                                           CStippleboxData& data, bool allowWarnings)
{
    const size_t frameCount = layout.frames.size();
    data.Create(canvas.cx, canvas.cy);
    CStippleboxLayerPtrArray& layers = *data.GetLayers();
    for (size_t i = 1; i < frameCount; ++i) {
        layers.NewLayer(0, canvas.cx, canvas.cy);
    }
    const uint8_t background = BackgroundIndex(layout);
    data.SetBackgroundColor(background);
    data.SetDelayUnit(CDelay::kHundredthsUnit);
    CStippleboxPalette& palette = *data.GetCurrentPalette();
    SetPalette(palette, !layout.globalColorTable.empty() ? layout.globalColorTable
                                                         : layout.frames.front()->localColorTable);

    CStippleboxLayer picture;
    picture.Create(canvas.cx, canvas.cy);
    CGifFrameCompositor compositor(picture, background);
    size_t index = 0;
    bool colorsChanged = false;
    CGifFile reader;
    reader.SetFrameHandler([&](CGifImageInfo& frame) {
        if (index >= frameCount) {
            return;
        }
        const SFrameColors colors = MapToPalette(frame, palette, background);
        colorsChanged = colorsChanged || colors.changesColors;
        compositor.Draw(frame, colors.map ? &*colors.map : nullptr);
        // The first frame is the backmost layer, as the animated export writes it.
        CStippleboxLayer& layer = *layers[int(frameCount - 1 - index)];
        std::memcpy(layer.GetPixels(), picture.GetPixels(), picture.GetPixelCount());
        layer.GetDelay().SetDelay(frame.delay, CDelay::kHundredthsUnit, false);
        compositor.Dispose(frame);
        frame.SetPixels({});
        ++index;
    });
    CGifInfo frames;
    if (!reader.Read(bytes, frames, allowWarnings)) {
        return Fail(reader.GetErrorText());
    }
    if (colorsChanged && allowWarnings) {
        ShowMessageBox(kColorsMapped);
    }
    return true;
}
