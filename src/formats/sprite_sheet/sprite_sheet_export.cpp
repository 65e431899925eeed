#include "formats/sprite_sheet/sprite_sheet_export.h"

#include <strings.h>

#include <cstdio>
#include <cstring>

#include "formats/json_writer.h"
#include "formats/serializer_image_png.h"
#include "model/delay.h"
#include "model/stipplebox_data.h"
#include "platform/exceptions.h"
#include "platform/file.h"
#include "platform/text.h"

namespace {

// Frame i shows the layer the animated GIF shows as its frame i.
const CStippleboxLayer& LayerOfFrame(const CStippleboxData& data, int frame)
{
    const CStippleboxLayerPtrArray& layers = *data.GetLayers();
    return *layers[layers.GetSize() - 1 - frame];
}

void WriteSize(CJsonWriter& json, const char* key, CSize size)
{
    json.Key(key);
    json.BeginObject();
    json.Member("w", size.cx);
    json.Member("h", size.cy);
    json.EndObject();
}

std::string HexColor(const SPaletteColor& color)
{
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", color.red, color.green, color.blue);
    return text;
}

}  // namespace

SSpriteSheetLayout MakeSpriteSheetLayout(const CStippleboxData& data, const SSpriteSheetOptions& options)
{
    return SSpriteSheetLayout::Make(data.GetCanvasSize(), data.GetLayers()->GetSize(), options.columns,
                                    options.padding);
}

void ComposeSpriteSheetRow(const CStippleboxData& data, const SSpriteSheetLayout& layout, int y, uint8_t* row)
{
    std::memset(row, data.GetBackgroundColor(), size_t(layout.GetSheetSize().cx));
    const size_t frameWidth = size_t(layout.frameSize.cx);
    for (int frame = 0; frame < layout.frameCount; ++frame) {
        const CRect cell = layout.GetFrameRect(frame);
        if (y >= cell.top && y < cell.bottom) {
            const uint8_t* source = LayerOfFrame(data, frame).GetPixels() + size_t(y - cell.top) * frameWidth;
            std::memcpy(row + cell.left, source, frameWidth);
        }
    }
}

std::string FormatSpriteSheetJson(const CStippleboxData& data, const SSpriteSheetLayout& layout,
                                  const std::string& imageName)
{
    CJsonWriter json;
    json.BeginObject();
    json.Member("image", imageName);
    WriteSize(json, "size", layout.GetSheetSize());
    WriteSize(json, "frameSize", layout.frameSize);
    json.Member("columns", layout.columns);
    json.Member("padding", layout.padding);
    json.Member("transparentIndex", data.GetBackgroundColor());
    json.Key("frames");
    json.BeginArray();
    for (int frame = 0; frame < layout.frameCount; ++frame) {
        const CStippleboxLayer& layer = LayerOfFrame(data, frame);
        const CRect cell = layout.GetFrameRect(frame);
        json.BeginObject();
        json.Member("layer", data.GetLayers()->GetSize() - 1 - frame);
        json.Member("name", sb::Utf16ToUtf8(layer.GetLayerName()));
        json.Member("x", cell.left);
        json.Member("y", cell.top);
        json.Member("w", cell.Width());
        json.Member("h", cell.Height());
        json.Member("duration", layer.GetDelay().GetDelay(CDelay::kMillisecondsUnit));
        json.EndObject();
    }
    json.EndArray();
    json.Key("palette");
    json.BeginArray();
    const CStippleboxPalette& palette = *data.GetCurrentPalette();
    for (int i = 0; i < palette.GetCount(); ++i) {
        json.String(HexColor(palette.GetColor(i)));
    }
    json.EndArray();
    json.EndObject();
    return json.GetText();
}

std::filesystem::path GetSpriteSheetJsonPath(const std::filesystem::path& sheetPath)
{
    std::filesystem::path json = sheetPath;
    return json.replace_extension(".json");
}

bool WriteSpriteSheet(const CStippleboxData& data, const SSpriteSheetOptions& options, CFile& sheet, CFile& json,
                      const std::string& imageName, std::string* error)
{
    const SSpriteSheetLayout layout = MakeSpriteSheetLayout(data, options);
    if (!layout.IsWithinLimits()) {
        *error = "スプライトシートが大きすぎます。";
        return false;
    }
    std::vector<uint8_t> row(size_t(layout.GetSheetSize().cx));
    CSerializerImagePng::SIndexedPicture picture;
    picture.width = layout.GetSheetSize().cx;
    picture.height = layout.GetSheetSize().cy;
    picture.row = [&](int y) {
        ComposeSpriteSheetRow(data, layout, y, row.data());
        return row.data();
    };
    picture.palette = data.GetCurrentPalette();
    picture.transparentIndex = data.GetBackgroundColor();
    if (!CSerializerImagePng::WriteIndexed(sheet, picture, error)) {
        return false;
    }
    const std::string text = FormatSpriteSheetJson(data, layout, imageName);
    json.Write(text.data(), text.size());
    return true;
}

bool ExportSpriteSheet(const CStippleboxData& data, const std::filesystem::path& sheetPath,
                       const SSpriteSheetOptions& options, std::string* error)
{
    // The JSON takes the sheet's name with its own extension; a sheet named
    // otherwise could be the JSON's own path.
    if (::strcasecmp(sheetPath.extension().c_str(), ".png") != 0) {
        *error = "スプライトシートはPNGファイルに書き出します。";
        return false;
    }
    const std::filesystem::path jsonPath = GetSpriteSheetJsonPath(sheetPath);
    try {
        CFile sheet;
        CFile json;
        if (!sheet.Open(sheetPath, CFile::OpenMode::Write) || !json.Open(jsonPath, CFile::OpenMode::Write)) {
            *error = "ファイルをオープン出来ませんでした。";
            return false;
        }
        if (!WriteSpriteSheet(data, options, sheet, json, sheetPath.filename().string(), error)) {
            if (error->empty()) {
                *error = "スプライトシートの書き出しに失敗しました。";
            }
            return false;
        }
        sheet.Commit();
        json.Commit();
        return true;
    } catch (const CException& exception) {
        *error = exception.GetErrorMessage();
        return false;
    }
}
