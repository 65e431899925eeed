#include "formats/document_export.h"

#include <cstdio>
#include <cstring>
#include <memory>

#include "formats/serializer.h"
#include "model/layer_merge.h"
#include "model/stipplebox_data.h"

std::vector<std::string> GetSaveWarnings(const CStippleboxData& data, uint32_t storeFlags)
{
    std::vector<std::string> warnings;
    if (data.GetLayers()->GetSize() >= 2 && !(storeFlags & CSerializerImage::kStoresAllLayers)) {
        warnings.emplace_back("レイヤは全て重なった状態で保存されます");
    }
    if (data.GetPalettes()->GetSize() >= 2 && !(storeFlags & CSerializerImage::kStoresAllPalettes)) {
        warnings.emplace_back("カレントパレットのみ保存されます");
    }
    return warnings;
}

std::string FormatSaveWarningQuestion(const std::vector<std::string>& warnings)
{
    std::string text = "この形式では一部の情報を保存することができません。\n\n";
    for (const std::string& warning : warnings) {
        text += "・" + warning + "\n";
    }
    return text + "\n保存を続行しますか？";
}

bool WriteDocument(CSerializerImage& serializer, const std::filesystem::path& path, CStippleboxData& data)
{
    if (data.GetLayers()->GetSize() < 2 || (serializer.GetStoreFlags() & CSerializerImage::kStoresAllLayers)) {
        return serializer.Write(path, &data);
    }
    auto merged = std::make_unique<CStippleboxLayerPtrArray>();
    MergeLayers(*data.GetLayers(), data.GetBackgroundColor(),
                *merged->NewLayer(0, data.GetWidth(), data.GetHeight()));

    // Puts the document's own layers back however the write ends.
    struct SRestoreLayers {
        CStippleboxData& data;
        std::unique_ptr<CStippleboxLayerPtrArray> layers;
        ~SRestoreLayers() { data.ExchangeLayers(std::move(layers)); }
    } restore{data, data.ExchangeLayers(std::move(merged))};
    return serializer.Write(path, &data);
}

std::filesystem::path MakeNumberedPath(const std::filesystem::path& path, int i)
{
    const std::string& text = path.native();
    const size_t nameStart = text.rfind('/') == std::string::npos ? 0 : text.rfind('/') + 1;
    size_t dot = text.rfind('.');
    if (dot == std::string::npos || dot < nameStart) {
        dot = text.size();
    }
    char number[16];
    std::snprintf(number, sizeof number, "_%03d", i);
    return text.substr(0, dot) + number + text.substr(dot);
}

bool ExportNumberedLayers(CSerializerImage& serializer, const std::filesystem::path& path,
                          const CStippleboxData& data, std::filesystem::path* failedPath)
{
    CStippleboxData single;
    single.Create(data.GetWidth(), data.GetHeight());
    single.GetCurrentPalette()->SetColors(0, CStippleboxPalette::kEntryCount,
                                          data.GetCurrentPalette()->GetColorData());
    CStippleboxLayer& target = *single.GetCurrentLayer();
    const CStippleboxLayerPtrArray& layers = *data.GetLayers();
    const size_t pixelCount = size_t(data.GetWidth()) * size_t(data.GetHeight());
    for (int i = 0; i < layers.GetSize(); ++i) {
        std::memcpy(target.GetPixels(), layers[layers.GetSize() - 1 - i]->GetPixels(), pixelCount);
        const std::filesystem::path numbered = MakeNumberedPath(path, i);
        if (!serializer.Write(numbered, &single)) {
            *failedPath = numbered;
            return false;
        }
    }
    return true;
}
