#include "formats/serializer_image_dpx.h"

#include <array>
#include <cstdio>
#include <cstring>
#include <string_view>
#include <vector>

#include "formats/byte_reader.h"
#include "formats/dpx_run_length.h"
#include "formats/stipplebox_file_utility.h"
#include "model/stipplebox_data.h"
#include "platform/code_page.h"
#include "platform/exceptions.h"

namespace {

constexpr size_t kDpxFileHeaderSize = 160;
constexpr uint32_t kHeaderWord = 0x2110;
constexpr uint32_t kFileHasPalette = 0x1;
constexpr size_t kPaletteBlockSize = 1024;
constexpr size_t kLayerHeaderSize = 384;
constexpr size_t kMinLayerHeaderSize = 4;
constexpr size_t kNameFieldSize = 64;
constexpr size_t kNameLength = kNameFieldSize - 1;
constexpr uint32_t kFirstLayerConstant = 16;
constexpr uint32_t kSecondLayerConstant = 2;

constexpr uint32_t kLayerHasMask = 0x1;
constexpr uint32_t kLayerMaskCompressed = 0x10;
constexpr uint32_t kLayerPixelsCompressed = 0x20;
constexpr uint32_t kLayerVisible = 0x10000;
constexpr uint32_t kLayerColorMasksValid = 0x100000;

// Offsets inside a layer header.
enum : size_t {
    kFlagsOffset = 4,
    kColorIndexOffset = 8,
    kFirstConstantOffset = 12,
    kMaskSizeOffset = 16,
    kTransparentOffset = 20,
    kPixelSizeOffset = 24,
    kNameOffset = 32,
    kWidthOffset = 104,
    kHeightOffset = 108,
    kDelayOffset = 112,
    kSecondConstantOffset = 116,
    kColorMasksOffset = 128,
};

constexpr std::string_view kTextLines[] = {
    "DPX",
    "Pelmark (C) 1998-2003 Nijiiro Usagi Dot Lab",
    "Serialized By Stipple Box 2",
    "Stipple Box 2 (C) 2024 Kirakira Tile Works",
};
static_assert(kTextLines[1].size() == 43 && kTextLines[2].size() == 27 && kTextLines[3].size() == 42);

constexpr char kOpenFailedText[] = "ファイルのオープンに失敗しました。";

size_t RowStride(int width)
{
    return (size_t(width) + 3) / 4 * 4;
}

std::array<uint8_t, kDpxFileHeaderSize> MakeFileHeader(const CStippleboxData& data)
{
    std::array<uint8_t, kDpxFileHeaderSize> header{};
    size_t position = 0;
    for (const std::string_view line : kTextLines) {
        if (position != 0) {
            header[position++] = '\n';
        }
        std::memcpy(&header[position], line.data(), line.size());
        position += line.size();
    }
    StoreDword(&header[128], kHeaderWord);
    StoreDword(&header[132], kFileHasPalette);
    StoreDword(&header[136], static_cast<uint32_t>(data.GetWidth()));
    StoreDword(&header[140], static_cast<uint32_t>(data.GetHeight()));
    StoreDword(&header[144], static_cast<uint32_t>(data.GetLayers()->GetSize()));
    return header;
}

std::array<uint8_t, kPaletteBlockSize> MakePaletteBlock(const CStippleboxPalette& palette)
{
    std::array<uint8_t, kPaletteBlockSize> block{};
    for (int i = 0; i < palette.GetCount() && i < CStippleboxPalette::kEntryCount; ++i) {
        const SPaletteColor& color = palette.GetColor(i);
        block[4 * i] = color.blue;
        block[4 * i + 1] = color.green;
        block[4 * i + 2] = color.red;
    }
    return block;
}

std::array<uint8_t, kLayerHeaderSize> MakeLayerHeader(const CStippleboxData& data, const CStippleboxLayer& layer,
                                                      size_t pixelDataSize)
{
    std::array<uint8_t, kLayerHeaderSize> header{};
    StoreDword(&header[0], kLayerHeaderSize);
    StoreDword(&header[kFlagsOffset],
               kLayerColorMasksValid | kLayerPixelsCompressed | (layer.IsVisible() ? kLayerVisible : 0));
    StoreDword(&header[kColorIndexOffset], data.GetBackgroundColor());
    StoreDword(&header[kFirstConstantOffset], kFirstLayerConstant);
    StoreDword(&header[kTransparentOffset], data.GetBackgroundColor());
    StoreDword(&header[kPixelSizeOffset], static_cast<uint32_t>(pixelDataSize));
    const std::u16string_view name = std::u16string_view(layer.GetLayerName()).substr(0, kNameLength);
    const std::string encoded = sb::Utf16ToCodePage(name, kNameLength);
    std::memcpy(&header[kNameOffset], encoded.data(), encoded.size());
    StoreDword(&header[kWidthOffset], static_cast<uint32_t>(data.GetWidth()));
    StoreDword(&header[kHeightOffset], static_cast<uint32_t>(data.GetHeight()));
    StoreDword(&header[kDelayOffset], static_cast<uint32_t>(layer.GetDelay().GetDelay(CDelay::kMillisecondsUnit)));
    StoreDword(&header[kSecondConstantOffset], kSecondLayerConstant);
    const CStippleboxPalette& palette = *data.GetCurrentPalette();
    for (int i = 0; i < palette.GetCount() && i < CStippleboxPalette::kEntryCount; ++i) {
        header[kColorMasksOffset + i] = palette.IsMasked(i) ? 1 : 0;
    }
    return header;
}

// The layer's rows bottom-up, each padded to the stride.
std::vector<uint8_t> MakeBottomUpRows(const CStippleboxLayer& layer)
{
    const int width = layer.GetWidth();
    const int height = layer.GetHeight();
    const size_t stride = RowStride(width);
    std::vector<uint8_t> rows(stride * height, 0);
    for (int y = 0; y < height; ++y) {
        std::memcpy(&rows[size_t(height - 1 - y) * stride], layer.GetPixels() + size_t(y) * width, width);
    }
    return rows;
}

[[noreturn]] void ThrowEndOfFile(const CFile& file)
{
    throw CFileException(CFileException::Cause::EndOfFile, file.GetPath());
}

}  // namespace

CSerializerImageDpx::CSerializerImageDpx()
    : CSerializerImageFile({.label = "DPX - Pelmark標準イメージ",
                            .extension = ".dpx",
                            .storeFlags = kStoresAllLayers,
                            .readOpenError = kOpenFailedText,
                            .writeOpenError = kOpenFailedText})
{
}

bool CSerializerImageDpx::OnReadFile(CFile& file, CStippleboxData* data, bool)
{
    CStippleboxFileUtility utility;
    utility.Attach(&file, false);

    std::array<uint8_t, kDpxFileHeaderSize> fileHeader{};
    const size_t headerRead = utility.Read(fileHeader.data(), fileHeader.size(), false);
    if (headerRead < 3 || std::memcmp(fileHeader.data(), "DPX", 3) != 0) {
        SetErrorText("このファイルはPelmark形式ではありません。");
        return false;
    }
    if (headerRead < fileHeader.size()) {
        ThrowEndOfFile(file);
    }
    const uint32_t fileFlags = LoadDword(&fileHeader[132]);
    const int width = static_cast<int32_t>(LoadDword(&fileHeader[136]));
    const int height = static_cast<int32_t>(LoadDword(&fileHeader[140]));
    const uint32_t layerCount = LoadDword(&fileHeader[144]);
    std::string error;
    if (!CSerializerImage::CheckCanvasSize(width, height, &error)) {
        SetErrorText(error);
        return false;
    }
    if (layerCount == 0) {
        SetErrorText("レイヤが1枚もありません。");
        return false;
    }
    data->Create(width, height);
    CStippleboxPalette& palette = *data->GetCurrentPalette();
    if (fileFlags & kFileHasPalette) {
        std::array<uint8_t, kPaletteBlockSize> block;
        utility.Read(block.data(), block.size(), true);
        for (int i = 0; i < CStippleboxPalette::kEntryCount; ++i) {
            palette.SetColor(i, {block[4 * i], block[4 * i + 1], block[4 * i + 2]});
        }
    }

    const size_t stride = RowStride(width);
    std::vector<uint8_t> rows(stride * height);
    std::vector<uint8_t> code;
    for (uint32_t index = 0; index < layerCount; ++index) {
        std::array<uint8_t, kLayerHeaderSize> header{};
        const uint32_t headerSize = utility.ReadDword();
        if (headerSize < kMinLayerHeaderSize || headerSize > kLayerHeaderSize) {
            char text[128];
            std::snprintf(text, sizeof text, "レイヤヘッダのサイズが異常です : %u", headerSize);
            SetErrorText(text);
            return false;
        }
        utility.Read(&header[kMinLayerHeaderSize], headerSize - kMinLayerHeaderSize, true);

        // Each layer of the file goes in front of the ones before it, so the
        // file's first layer ends up at the back.
        CStippleboxLayer& layer =
            index == 0 ? *data->GetLayers()->GetAt(0) : *data->GetLayers()->NewLayer(0, width, height);
        const char* name = reinterpret_cast<const char*>(&header[kNameOffset]);
        layer.SetName(sb::CodePageToUtf16(std::string_view(name, strnlen(name, kNameFieldSize))));
        layer.GetDelay().SetDelay(static_cast<int32_t>(LoadDword(&header[kDelayOffset])), CDelay::kMillisecondsUnit,
                                  false);
        const uint32_t flags = LoadDword(&header[kFlagsOffset]);
        layer.SetVisible((flags & kLayerVisible) != 0);
        if (index == 0) {
            data->SetBackgroundColor(static_cast<uint8_t>(LoadDword(&header[kTransparentOffset])));
            if (flags & kLayerColorMasksValid) {
                for (int i = 0; i < CStippleboxPalette::kEntryCount; ++i) {
                    palette.SetMasked(i, header[kColorMasksOffset + i] != 0);
                }
            }
        }

        if (!(flags & kLayerPixelsCompressed)) {
            SetErrorText("画像データが圧縮されていません。");
            return false;
        }
        const uint32_t codeSize = LoadDword(&header[kPixelSizeOffset]);
        if (codeSize > utility.GetLength() - std::min(utility.GetLength(), utility.GetPosition())) {
            ThrowEndOfFile(file);
        }
        code.resize(codeSize);
        utility.Read(code.data(), code.size(), true);
        if (!DecodeDpxRunLength(code, rows)) {
            SetErrorText("画像データが途中で終わっています。");
            return false;
        }
        for (int y = 0; y < height; ++y) {
            std::memcpy(layer.GetPixels() + size_t(y) * width, &rows[size_t(height - 1 - y) * stride], width);
        }

        if (flags & kLayerHasMask) {
            if (!(flags & kLayerMaskCompressed)) {
                SetErrorText("マスクデータが圧縮されていません。");
                return false;
            }
            utility.SeekTo(utility.GetPosition() + LoadDword(&header[kMaskSizeOffset]));
        }
    }
    return true;
}

bool CSerializerImageDpx::OnWriteFile(CFile& file, CStippleboxData* data)
{
    CStippleboxFileUtility utility;
    utility.Attach(&file, false);
    const auto fileHeader = MakeFileHeader(*data);
    utility.Write(fileHeader.data(), fileHeader.size());
    const auto paletteBlock = MakePaletteBlock(*data->GetCurrentPalette());
    utility.Write(paletteBlock.data(), paletteBlock.size());

    const CStippleboxLayerPtrArray& layers = *data->GetLayers();
    for (int index = layers.GetSize() - 1; index >= 0; --index) {
        const CStippleboxLayer& layer = *layers[index];
        const std::vector<uint8_t> code = EncodeDpxRunLength(MakeBottomUpRows(layer));
        const auto header = MakeLayerHeader(*data, layer, code.size());
        utility.Write(header.data(), header.size());
        utility.Write(code.data(), code.size());
    }
    utility.Write("EOF ", 4);
    utility.WriteDword(0);
    return true;
}
