#include "formats/sprite_sheet/sprite_sheet_import.h"

#include <cstring>

#include "formats/serializer.h"
#include "formats/serializer_image_png.h"
#include "formats/sprite_sheet/sprite_sheet_layout.h"
#include "model/stipplebox_data.h"
#include "platform/exceptions.h"
#include "platform/file.h"

namespace {

// Reads the whole sheet as one picture, however much larger than a canvas it
// is, within the sheet limits.
class CSheetPicture final : public CSerializerImagePng::CImageStippleboxData {
public:
    using CImageStippleboxData::CImageStippleboxData;

    bool Check(int width, int height, int bitsPerPixel, std::string* error) override
    {
        if (bitsPerPixel > 8) {
            *error = "256色を超える画像は未対応です。";
            return false;
        }
        if (width < 1 || height < 1 || width > SSpriteSheetLayout::kMaxSheetSide ||
            height > SSpriteSheetLayout::kMaxSheetSide ||
            int64_t{width} * height > SSpriteSheetLayout::kMaxSheetPixels) {
            *error = "スプライトシートの大きさが異常です。";
            return false;
        }
        return true;
    }
};

// How many whole cells of the frame size fit along a side.
int CellsAlong(int side, int frame, int padding)
{
    return (side + padding) / (frame + padding);
}

}  // namespace

std::unique_ptr<CStippleboxData> ImportSpriteSheet(CFile& file, const SSpriteSheetSlicing& slicing, std::string* error)
{
    const CSize frame = slicing.frameSize;
    if (!CSerializerImage::CheckCanvasSize(frame.cx, frame.cy, error)) {
        return nullptr;
    }
    if (slicing.padding < 0 || slicing.padding > SSpriteSheetLayout::kMaxPadding || slicing.frameCount < 0) {
        *error = "フレームの間隔か数が異常です。";
        return nullptr;
    }
    CStippleboxData sheet;
    CSheetPicture picture(&sheet);
    if (!CSerializerImagePng::ReadImage(file, picture, error)) {
        return nullptr;
    }
    const int columns = CellsAlong(sheet.GetWidth(), frame.cx, slicing.padding);
    const int cells = columns * CellsAlong(sheet.GetHeight(), frame.cy, slicing.padding);
    const int frameCount = slicing.frameCount == 0 ? cells : slicing.frameCount;
    if (cells == 0) {
        *error = "スプライトシートがフレームより小さいです。";
        return nullptr;
    }
    if (frameCount > cells) {
        *error = "スプライトシートには" + std::to_string(cells) + "フレームしかありません。";
        return nullptr;
    }

    auto data = std::make_unique<CStippleboxData>();
    data->Create(frame.cx, frame.cy);
    data->GetCurrentPalette()->CopyAll(*sheet.GetCurrentPalette());
    data->SetBackgroundColor(sheet.GetBackgroundColor());
    const SSpriteSheetLayout layout = SSpriteSheetLayout::Make(frame, frameCount, columns, slicing.padding);
    const uint8_t* pixels = sheet.GetCurrentLayer()->GetPixels();
    for (int i = 0; i < frameCount; ++i) {
        // Each frame goes in front of the ones before it.
        CStippleboxLayer& layer = i == 0 ? *data->GetCurrentLayer() : *data->GetLayers()->NewLayer(0, frame.cx, frame.cy);
        const CRect cell = layout.GetFrameRect(i);
        for (int y = 0; y < frame.cy; ++y) {
            std::memcpy(layer.GetPixels() + size_t(y) * frame.cx,
                        pixels + size_t(cell.top + y) * size_t(sheet.GetWidth()) + size_t(cell.left), size_t(frame.cx));
        }
    }
    return data;
}

std::unique_ptr<CStippleboxData> ImportSpriteSheet(const std::filesystem::path& path,
                                                   const SSpriteSheetSlicing& slicing, std::string* error)
{
    try {
        CFile file;
        if (!file.Open(path, CFile::OpenMode::Read)) {
            *error = "ファイルのオープンに失敗しました。";
            return nullptr;
        }
        return ImportSpriteSheet(file, slicing, error);
    } catch (const CException& exception) {
        *error = exception.GetErrorMessage();
        return nullptr;
    }
}
