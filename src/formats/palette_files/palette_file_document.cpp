#include "formats/palette_files/palette_file_document.h"

#include "model/stipplebox_data.h"
#include "platform/text.h"

namespace {

constexpr uint8_t kRgbColorSpaceID = 0;

}  // namespace

SPaletteFile MakePaletteFile(const CStippleboxData& data)
{
    const CStippleboxPalette& palette = *data.GetCurrentPalette();
    SPaletteFile file;
    file.colors.assign(palette.GetColorData(), palette.GetColorData() + palette.GetCount());
    file.name = sb::Utf16ToUtf8(palette.GetPaletteName());
    file.transparentIndex = data.GetBackgroundColor();
    return file;
}

std::string CheckPaletteFileFits(const SPaletteFile& file, int firstEntry)
{
    const size_t count = file.colors.size();
    if (count > size_t(CStippleboxPalette::kEntryCount)) {
        return "256色を超えるパレットは読み込めません : " + std::to_string(count) + "色";
    }
    if (firstEntry + count > size_t(CStippleboxPalette::kEntryCount)) {
        return std::to_string(firstEntry) + "番の色から" + std::to_string(count) + "色は入りきりません。";
    }
    return {};
}

void PutPaletteFileColors(CStippleboxPalette& palette, const SPaletteFile& file, int firstEntry)
{
    for (size_t i = 0; i < file.colors.size(); ++i) {
        const int entry = firstEntry + static_cast<int>(i);
        palette.SetColor(entry, file.colors[i]);
        palette.SetColorSpaceID(entry, kRgbColorSpaceID);
    }
}

bool AddPaletteFromFile(CStippleboxData& data, const SPaletteFile& file, std::string* error)
{
    CStippleboxPalettePtrArray& palettes = *data.GetPalettes();
    *error = CheckPaletteFileFits(file, 0);
    if (error->empty() && palettes.GetSize() >= CStippleboxPalettePtrArray::kMaxPalettes) {
        *error = "これ以上パレットは追加できません。";
    }
    if (!error->empty()) {
        return false;
    }
    CStippleboxPalette& added = *palettes.NewPalette(palettes.GetSize());
    added.CopyAll(*palettes.GetCurrent());
    PutPaletteFileColors(added, file, 0);
    added.SetName(sb::Utf8ToUtf16(file.name));
    palettes.SetCurrentIndex(palettes.GetSize() - 1);
    return true;
}

std::optional<uint8_t> GetTransparentEntry(const SPaletteFile& file, int firstEntry)
{
    if (!file.transparentIndex) {
        return std::nullopt;
    }
    return static_cast<uint8_t>(firstEntry + *file.transparentIndex);
}
