#include "formats/serializer_image_gif.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "formats/gif_file.h"
#include "formats/gif_frame_compositor.h"
#include "formats/gif_info.h"
#include "model/stipplebox_data.h"
#include "platform/exceptions.h"
#include "platform/message_box.h"

namespace {

// The document's current palette as a full 256-entry colour table.
std::vector<RGBQUAD> MakeColorTable(const CStippleboxPalette& palette)
{
    std::vector<RGBQUAD> table(CStippleboxPalette::kEntryCount);
    for (int i = 0; i < palette.GetCount() && i < CStippleboxPalette::kEntryCount; ++i) {
        const SPaletteColor& color = palette.GetColor(i);
        table[i] = {color.blue, color.green, color.red, 0};
    }
    return table;
}

void InitFrame(CGifImageInfo& frame, const CStippleboxLayer& layer)
{
    frame.right = layer.GetWidth();
    frame.bottom = layer.GetHeight();
    frame.ReferToPixels({layer.GetPixels(), size_t(layer.GetWidth()) * size_t(layer.GetHeight())});
}

// The logical screen is the canvas only when the editor can hold it and the
// whole first frame lies on it; otherwise the first frame alone is the picture.
bool ScreenHoldsFrame(const CGifInfo& info, const CGifImageInfo& frame)
{
    return CSerializerImage::CheckCanvasSize(info.width, info.height, nullptr) && frame.left >= 0 && frame.top >= 0 &&
           frame.right <= info.width && frame.bottom <= info.height;
}

}  // namespace

CSerializerImageGif::CSerializerImageGif()
    : CSerializerImageFile({.label = "GIF - Graphics Interchange Format",
                            .extension = ".gif",
                            .storeFlags = kStoresSinglePicture,
                            .readOpenError = "ファイルのオープンに失敗しました。",
                            .writeOpenError = "ファイルのオープンに失敗しました。"})
{
}

bool CSerializerImageGif::OnReadFile(CFile& file, CStippleboxData* data, bool allowWarnings)
{
    CGifInfo info;
    try {
        const std::vector<uint8_t> bytes = ReadWholeFile(file);
        auto parse = [&](size_t decodedFrames, bool warnings) {
            info = CGifInfo();
            CGifFile gif;
            gif.SetDecodedFrameLimit(decodedFrames);
            if (!gif.Read(bytes, info, warnings)) {
                SetErrorText(gif.GetErrorText());
                return false;
            }
            return true;
        };
        // The layout comes first, so that no pixel is decoded for a screen
        // or a first frame the canvas cannot hold.
        if (!parse(0, false) || !CheckSizes(info) || !parse(1, allowWarnings)) {
            return false;
        }
    } catch (const CException& exception) {
        SetErrorText(exception.GetErrorMessage());
        return false;
    } catch (const std::exception&) {
        SetErrorText("原因不明のエラーが発生しました。\n読み込みを中断します。");
        return false;
    }
    if (info.frames.size() >= 2 && allowWarnings) {
        ShowMessageBox("アニメーションGIFの読み込みは未対応です。\n最初のフレームのみ読み込みます。");
    }

    const CGifImageInfo& frame = *info.frames.front();
    const bool onScreen = ScreenHoldsFrame(info, frame);
    data->Create(onScreen ? info.width : frame.GetWidth(), onScreen ? info.height : frame.GetHeight());
    data->SetBackgroundColor(info.backgroundIndex);
    CStippleboxLayer& layer = *data->GetCurrentLayer();
    layer.Fill(info.backgroundIndex);
    PlaceGifFrame(frame, layer, onScreen ? CPoint{frame.left, frame.top} : CPoint{0, 0}, {});

    const std::vector<RGBQUAD>& table =
        !frame.localColorTable.empty() ? frame.localColorTable : info.globalColorTable;
    CStippleboxPalette& palette = *data->GetCurrentPalette();
    for (int i = 0; i < CStippleboxPalette::kEntryCount; ++i) {
        const RGBQUAD entry = i < int(table.size()) ? table[i] : RGBQUAD{};
        palette.SetColor(i, {entry.rgbBlue, entry.rgbGreen, entry.rgbRed});
    }
    return true;
}

bool CSerializerImageGif::CheckSizes(const CGifInfo& info)
{
    const CGifImageInfo& frame = *info.frames.front();
    std::string error;
    if (!ScreenHoldsFrame(info, frame) && !CheckCanvasSize(frame.GetWidth(), frame.GetHeight(), &error)) {
        SetErrorText(error);
        return false;
    }
    return true;
}

bool CSerializerImageGif::OnWriteFile(CFile& file, CStippleboxData* data)
{
    CGifInfo info;
    info.backgroundIndex = data->GetBackgroundColor();
    info.globalColorTable = MakeColorTable(*data->GetCurrentPalette());
    InitFrame(info.AddFrame(), *data->GetCurrentLayer());
    return WriteInfo(file, info);
}

bool CSerializerImageGif::WriteAnimation(const std::filesystem::path& path, const CStippleboxData* data)
{
    ClearErrorText();
    return WriteCommitted(path, [&](CFile& file) { return WriteAnimationInfo(file, *data); });
}

bool CSerializerImageGif::WriteAnimationTo(CFile& file, const CStippleboxData* data)
{
    ClearErrorText();
    return WriteAnimationInfo(file, *data);
}

bool CSerializerImageGif::WriteAnimationInfo(CFile& file, const CStippleboxData& data)
{
    CGifInfo info;
    info.backgroundIndex = data.GetBackgroundColor();
    info.globalColorTable = MakeColorTable(*data.GetCurrentPalette());
    const CStippleboxLayerPtrArray& layers = *data.GetLayers();
    for (int index = layers.GetSize() - 1; index >= 0; --index) {
        CGifImageInfo& frame = info.AddFrame();
        InitFrame(frame, *layers[index]);
        // Delays longer than the field holds are shown as long as it allows.
        frame.delay = static_cast<uint16_t>(
            std::clamp(layers[index]->GetDelay().GetDelay(CDelay::kHundredthsUnit), 0, 0xFFFF));
    }
    return WriteInfo(file, info);
}

bool CSerializerImageGif::WriteInfo(CFile& file, CGifInfo& info)
{
    std::vector<uint8_t> bytes;
    CGifFile gif;
    if (!gif.Write(info, bytes)) {
        SetErrorText(gif.GetErrorText());
        return false;
    }
    try {
        file.Write(bytes.data(), bytes.size());
        return true;
    } catch (const CFileException&) {
        SetErrorText("ファイルアクセス中にエラーが発生しました。\n書き出しを中止します。");
    } catch (const CException& exception) {
        SetErrorText(exception.GetErrorMessage() + "\n書き出しを中止します。");
    } catch (const std::exception&) {
        SetErrorText("原因不明のエラーが発生しました。\n書き出しを中止します。");
    }
    return false;
}
