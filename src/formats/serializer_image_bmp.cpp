#include "formats/serializer_image_bmp.h"

#include <cstring>
#include <vector>

#include "formats/bmp_image.h"
#include "formats/byte_reader.h"
#include "model/dib_layout.h"
#include "model/stipplebox_data.h"

namespace {

constexpr uint32_t kPixelOffset = kBmpFileHeaderSize + sizeof(BITMAPINFOHEADER) + 256 * sizeof(RGBQUAD);

}  // namespace

CSerializerImageBmp::CSerializerImageBmp()
    : CSerializerImageFile({.label = "BMP - ビットマップ",
                            .extension = ".bmp",
                            .storeFlags = 0,
                            .readOpenError = "ファイルのオープンに失敗しました。",
                            .writeOpenError = "ファイルを開けませんでした。"})
{
}

bool CSerializerImageBmp::OnReadFile(CFile& file, CStippleboxData* data, bool)
{
    const std::vector<uint8_t> bytes = ReadWholeFile(file);
    SBmpImage image;
    std::string error;
    if (!ParseBmpImage(bytes, image, &error)) {
        SetErrorText(error);
        return false;
    }
    data->Create(image.width, image.height);
    CStippleboxPalette& palette = *data->GetCurrentPalette();
    palette.SetColors(0, static_cast<int>(image.colors.size()), image.colors.data());
    data->GetCurrentLayer()->SetPixels(image.Unpack());
    return true;
}

bool CSerializerImageBmp::OnWriteFile(CFile& file, CStippleboxData* data)
{
    const CStippleboxLayer& layer = *data->GetCurrentLayer();
    const CStippleboxPalette& palette = *data->GetCurrentPalette();
    const int width = layer.GetWidth();
    const int height = layer.GetHeight();
    const size_t stride = DibStride(width, 8);

    std::vector<uint8_t> bytes(kPixelOffset + stride * height, 0);
    bytes[0] = 'B';
    bytes[1] = 'M';
    StoreDword(&bytes[2], static_cast<uint32_t>(bytes.size()));
    StoreDword(&bytes[10], kPixelOffset);

    BITMAPINFOHEADER header;
    header.biWidth = width;
    header.biHeight = height;
    header.biBitCount = 8;
    std::memcpy(&bytes[kBmpFileHeaderSize], &header, sizeof header);

    uint8_t* table = &bytes[kBmpFileHeaderSize + sizeof header];
    for (int i = 0; i < palette.GetCount() && i < CStippleboxPalette::kEntryCount; ++i) {
        const SPaletteColor& color = palette.GetColor(i);
        table[4 * i] = color.blue;
        table[4 * i + 1] = color.green;
        table[4 * i + 2] = color.red;
    }
    for (int y = 0; y < height; ++y) {
        std::memcpy(&bytes[kPixelOffset + size_t(height - 1 - y) * stride], layer.GetPixels() + size_t(y) * width,
                    width);
    }
    file.Write(bytes.data(), bytes.size());
    return true;
}
