#include "formats/serializer_image_sbx.h"

#include "formats/sbx_file.h"
#include "model/delay.h"
#include "model/stipplebox_data.h"

bool CheckLoadedDocument(const CStippleboxData& document, std::string& error)
{
    const auto fail = [&](const char* message) {
        error = message;
        return false;
    };
    if (!CSerializerImage::CheckCanvasSize(document.GetWidth(), document.GetHeight(), &error)) {
        return false;
    }
    const CStippleboxLayerPtrArray* layers = document.GetLayers();
    const CStippleboxPalettePtrArray* palettes = document.GetPalettes();
    if (layers == nullptr || layers->IsEmpty()) {
        return fail("レイヤがありません。");
    }
    if (palettes == nullptr || palettes->IsEmpty()) {
        return fail("パレットがありません。");
    }
    if (layers->GetCurrentIndex() < 0 || layers->GetCurrentIndex() >= layers->GetSize()) {
        return fail("カレントレイヤの番号が異常です。");
    }
    if (palettes->GetCurrentIndex() < 0 || palettes->GetCurrentIndex() >= palettes->GetSize()) {
        return fail("カレントパレットの番号が異常です。");
    }
    const size_t canvasPixels = size_t(document.GetWidth()) * size_t(document.GetHeight());
    for (int i = 0; i < layers->GetSize(); ++i) {
        const CStippleboxLayer& layer = *layers->GetAt(i);
        if (layer.GetPixelCount() == 0) {
            return fail("レイヤの画素データがありません。");
        }
        if (layer.GetWidth() != document.GetWidth() || layer.GetHeight() != document.GetHeight() ||
            layer.GetPixelCount() != canvasPixels) {
            return fail("レイヤの大きさがキャンバスと一致しません。");
        }
    }
    for (int i = 0; i < palettes->GetSize(); ++i) {
        if (palettes->GetAt(i)->GetCount() != CStippleboxPalette::kEntryCount) {
            return fail("パレットの色数がありません。");
        }
    }
    return true;
}

uint32_t CSerializerImageSbx::GetFlags() const
{
    return kCanRead | kCanWrite;
}

bool CSerializerImageSbx::GetFormat(int index, std::string& label, std::string& extension) const
{
    if (index != 0) {
        return false;
    }
    label = "sbx - Stipple Box 2形式";
    extension = ".sbx";
    return true;
}

uint32_t CSerializerImageSbx::GetStoreFlags() const
{
    return kStoresAllLayers | kStoresAllPalettes;
}

bool CSerializerImageSbx::ReadFrom(CFile& file, CStippleboxData* data, bool)
{
    ClearErrorText();
    return ReadChecked(*data, [&](std::string& error) { return sbx::Load(*data, file, &error); });
}

bool CSerializerImageSbx::OnRead(const std::filesystem::path& path, CStippleboxData* data, bool)
{
    return ReadChecked(*data, [&](std::string& error) { return sbx::LoadFile(*data, path, &error); });
}

bool CSerializerImageSbx::ReadChecked(CStippleboxData& data, const std::function<bool(std::string& error)>& load)
{
    // Reading sets the remembered delay layer by layer; a refused file must
    // not leave its delay behind for the next new layer.
    const int32_t rememberedDelay = CDelay::GetRememberedDelay();
    std::string error;
    if (load(error) && CheckLoadedDocument(data, error)) {
        return true;
    }
    CDelay::SetRememberedDelay(rememberedDelay);
    SetErrorText(std::move(error));
    return false;
}

bool CSerializerImageSbx::OnWrite(const std::filesystem::path& path, CStippleboxData* data)
{
    std::string error;
    if (sbx::SaveFile(*data, path, &error)) {
        return true;
    }
    SetErrorText(std::move(error));
    return false;
}
