#include <gtest/gtest.h>

#include "formats/serializer_image_bmp.h"
#include "formats/serializer_image_dpx.h"
#include "formats/serializer_image_gif.h"
#include "formats/serializer_image_png.h"

TEST(ImageFormats, EachNamesItsFormatAndWhatItKeeps)
{
    const struct {
        std::unique_ptr<CSerializerImage> serializer;
        const char* label;
        const char* extension;
        uint32_t storeFlags;
    } kFormats[] = {
        {std::make_unique<CSerializerImagePng>(), "PNG - Portable Network Graphics", ".png", 2},
        {std::make_unique<CSerializerImageGif>(), "GIF - Graphics Interchange Format", ".gif", 2},
        {std::make_unique<CSerializerImageBmp>(), "BMP - ビットマップ", ".bmp", 0},
        {std::make_unique<CSerializerImageDpx>(), "DPX - Pelmark標準イメージ", ".dpx", 1},
    };
    for (const auto& format : kFormats) {
        std::string label;
        std::string extension;
        ASSERT_TRUE(format.serializer->GetFormat(0, label, extension));
        EXPECT_EQ(label, format.label);
        EXPECT_EQ(extension, format.extension);
        EXPECT_FALSE(format.serializer->GetFormat(1, label, extension)) << "one format each";
        EXPECT_EQ(format.serializer->GetFlags(), 3u) << format.label;
        EXPECT_EQ(format.serializer->GetStoreFlags(), format.storeFlags) << format.label;
    }
}
