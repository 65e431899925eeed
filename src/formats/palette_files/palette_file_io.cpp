#include "formats/palette_files/palette_file_io.h"

#include <strings.h>

#include "formats/palette_files/adobe_color_table.h"
#include "formats/palette_files/gimp_palette.h"
#include "formats/palette_files/hex_palette.h"
#include "formats/palette_files/jasc_palette.h"
#include "formats/serializer_list.h"
#include "platform/exceptions.h"
#include "platform/file.h"

namespace {

constexpr char kUnknownFormat[] = "パレット形式を判別出来ませんでした。";

}  // namespace

const std::vector<SPaletteFileFormat>& GetPaletteFileFormats()
{
    static const std::vector<SPaletteFileFormat> formats = {
        {"GPL - GIMPパレット", ".gpl", ParseGimpPalette, FormatGimpPalette},
        {"PAL - JASCパレット", ".pal", ParseJascPalette, FormatJascPalette},
        {"ACT - Adobeカラーテーブル", ".act", ParseAdobeColorTable, FormatAdobeColorTable},
        {"HEX - 16進カラーコード", ".hex", ParseHexPalette, FormatHexPalette},
    };
    return formats;
}

const SPaletteFileFormat* FindPaletteFileFormat(const std::filesystem::path& path)
{
    const std::string extension = CSerializerList::ExtensionOf(path);
    for (const SPaletteFileFormat& format : GetPaletteFileFormats()) {
        if (::strcasecmp(format.extension, extension.c_str()) == 0) {
            return &format;
        }
    }
    return nullptr;
}

std::string BuildPaletteOpenFilter()
{
    std::string filter = "全てのパレット形式|";
    for (const SPaletteFileFormat& format : GetPaletteFileFormats()) {
        filter += std::string(filter.back() == '|' ? "*" : ";*") + format.extension;
    }
    return filter + "|" + BuildPaletteSaveFilter();
}

std::string BuildPaletteSaveFilter()
{
    std::string filter;
    for (const SPaletteFileFormat& format : GetPaletteFileFormats()) {
        filter += std::string(format.label) + "|*" + format.extension + "|";
    }
    return filter + "|";
}

bool ReadPaletteFile(const std::filesystem::path& path, SPaletteFile* palette, std::string* error)
{
    const SPaletteFileFormat* format = FindPaletteFileFormat(path);
    if (format == nullptr) {
        *error = kUnknownFormat;
        return false;
    }
    try {
        CFile file;
        if (!file.Open(path, CFile::OpenMode::Read)) {
            *error = "ファイルのオープンに失敗しました。";
            return false;
        }
        if (file.GetLength() > kMaxPaletteFileBytes) {
            *error = "パレットファイルが大きすぎます。";
            return false;
        }
        std::vector<uint8_t> bytes(file.GetLength());
        bytes.resize(file.Read(bytes.data(), bytes.size()));
        SPaletteFile read = format->parse(bytes);
        if (read.colors.empty()) {
            *error = "パレットファイルに色がありません。";
            return false;
        }
        if (read.name.empty()) {
            read.name = path.stem().string();
        }
        *palette = std::move(read);
        return true;
    } catch (const CException& exception) {
        *error = exception.GetErrorMessage();
        return false;
    }
}

bool WritePaletteFile(const std::filesystem::path& path, const SPaletteFile& palette, std::string* error)
{
    const SPaletteFileFormat* format = FindPaletteFileFormat(path);
    if (format == nullptr) {
        *error = kUnknownFormat;
        return false;
    }
    try {
        const std::vector<uint8_t> bytes = format->format(palette);
        CFile file;
        if (!file.Open(path, CFile::OpenMode::Write)) {
            *error = "ファイルをオープン出来ませんでした。";
            return false;
        }
        file.Write(bytes.data(), bytes.size());
        file.Commit();
        return true;
    } catch (const CException& exception) {
        *error = exception.GetErrorMessage();
        return false;
    }
}
