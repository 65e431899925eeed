#include "support/format_test_support.h"

#include <gtest/gtest.h>

#include <random>

#include "formats/serializer_image_file.h"
#include "formats/serializer_list.h"
#include "formats/standard_serializers.h"
#include "model/stipplebox_data.h"

std::vector<uint8_t> AsBytes(const std::string& text)
{
    return {text.begin(), text.end()};
}

CSerializerImage& FormatFor(const std::filesystem::path& path)
{
    static CSerializerList formats;
    if (formats.GetCount() == 0) {
        AddStandardSerializers(formats);
    }
    return dynamic_cast<CSerializerImage&>(*formats.Find(path, CSerializer::kCanRead));
}

bool ReadFromBytes(CSerializerImageFile& serializer, std::vector<uint8_t> bytes, CStippleboxData& data,
                   bool allowWarnings)
{
    CMemFile file(bytes);
    return serializer.ReadFrom(file, &data, allowWarnings);
}

SReadOutcome ReadOutcome(CSerializerImageFile& serializer, const std::vector<uint8_t>& bytes, CStippleboxData& data)
{
    const bool ok = ReadFromBytes(serializer, bytes, data);
    return {ok, serializer.GetErrorText()};
}

std::vector<uint8_t> WriteToBytes(CSerializerImageFile& serializer, CStippleboxData& data)
{
    CMemFile file;
    EXPECT_TRUE(serializer.WriteTo(file, &data)) << serializer.GetErrorText();
    return file.Detach();
}

namespace {

std::unique_ptr<CStippleboxData> MakePictureWithRandomPalette(int width, int height, std::mt19937& random)
{
    auto data = std::make_unique<CStippleboxData>();
    data->Create(width, height);
    CStippleboxPalette& palette = *data->GetCurrentPalette();
    for (int i = 0; i < CStippleboxPalette::kEntryCount; ++i) {
        palette.SetColor(i, SPaletteColor::FromRgb(random() & 0xFFFFFF));
    }
    return data;
}

}  // namespace

std::unique_ptr<CStippleboxData> MakeRandomPicture(int width, int height, int colorCount, uint32_t seed)
{
    std::mt19937 random(seed);
    auto data = MakePictureWithRandomPalette(width, height, random);
    CStippleboxLayer& layer = *data->GetCurrentLayer();
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            layer.SetPixel(x, y, static_cast<uint8_t>(random() % colorCount));
        }
    }
    return data;
}

std::unique_ptr<CStippleboxData> MakeBlockyPicture(int width, int height, uint32_t seed)
{
    std::mt19937 random(seed);
    auto data = MakePictureWithRandomPalette(width, height, random);
    CStippleboxLayer& layer = *data->GetCurrentLayer();
    layer.Fill(static_cast<uint8_t>(random() % 256));
    for (int block = 0; block < 12; ++block) {
        const int left = static_cast<int>(random() % width);
        const int top = static_cast<int>(random() % height);
        const int right = std::min(width, left + 1 + static_cast<int>(random() % (width / 2 + 1)));
        const int bottom = std::min(height, top + 1 + static_cast<int>(random() % (height / 2 + 1)));
        const uint8_t index = static_cast<uint8_t>(random() % 256);
        const bool dithered = random() % 3 == 0;
        for (int y = top; y < bottom; ++y) {
            for (int x = left; x < right; ++x) {
                if (!dithered || (x + y) % 2 == 0) {
                    layer.SetPixel(x, y, index);
                }
            }
        }
    }
    return data;
}
