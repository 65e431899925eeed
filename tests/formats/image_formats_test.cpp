#include <gtest/gtest.h>

#include "formats/serializer_image_bmp.h"
#include "formats/serializer_image_dpx.h"
#include "formats/serializer_image_gif.h"
#include "formats/serializer_image_png.h"
#include "formats/serializer_list.h"
#include "formats/standard_serializers.h"
#include "model/stipplebox_data.h"
#include "platform/headless_file_dialog.h"
#include "support/scratch_directory.h"

TEST(ImageFormats, EachNamesItsFormatWhatItKeepsAndItsOpenFailures)
{
    const struct {
        std::unique_ptr<CSerializerImage> serializer;
        const char* label;
        const char* extension;
        uint32_t storeFlags;
        const char* readOpenError;
        const char* writeOpenError;
    } kFormats[] = {
        {std::make_unique<CSerializerImagePng>(), "PNG - Portable Network Graphics", ".png", 2,
         "ファイルのオープンに失敗", "ファイルをオープン出来ませんでした。"},
        {std::make_unique<CSerializerImageGif>(), "GIF - Graphics Interchange Format", ".gif", 2,
         "ファイルのオープンに失敗しました。", "ファイルのオープンに失敗しました。"},
        {std::make_unique<CSerializerImageBmp>(), "BMP - ビットマップ", ".bmp", 0, "ファイルのオープンに失敗しました。",
         "ファイルを開けませんでした。"},
        {std::make_unique<CSerializerImageDpx>(), "DPX - Pelmark標準イメージ", ".dpx", 1,
         "ファイルのオープンに失敗しました。", "ファイルのオープンに失敗しました。"},
    };
    CScratchDirectory folder;
    CStippleboxData picture;
    picture.Create(2, 2);
    for (const auto& format : kFormats) {
        std::string label;
        std::string extension;
        ASSERT_TRUE(format.serializer->GetFormat(0, label, extension));
        EXPECT_EQ(label, format.label);
        EXPECT_EQ(extension, format.extension);
        EXPECT_FALSE(format.serializer->GetFormat(1, label, extension)) << "one format each";
        EXPECT_EQ(format.serializer->GetFlags(), 3u) << format.label;
        EXPECT_EQ(format.serializer->GetStoreFlags(), format.storeFlags) << format.label;

        CStippleboxData data;
        EXPECT_FALSE(format.serializer->Read(folder / ("none" + extension), &data, true));
        EXPECT_EQ(format.serializer->GetErrorText(), format.readOpenError);
        EXPECT_FALSE(format.serializer->Write(folder / "none" / ("a" + extension), &picture));
        EXPECT_EQ(format.serializer->GetErrorText(), format.writeOpenError);
        // A later success starts with an empty text.
        ASSERT_TRUE(format.serializer->Write(folder / ("a" + extension), &picture));
        EXPECT_EQ(format.serializer->GetErrorText(), "");
        EXPECT_TRUE(format.serializer->Read(folder / ("a" + extension), &data, true));
    }
}

TEST(ImageFormats, TheStandardListOffersAllFiveInTheirOrder)
{
    CSerializerList list;
    AddStandardSerializers(list);
    ASSERT_EQ(list.GetCount(), 5);
    EXPECT_EQ(list.BuildOpenFilter(),
              "全ての画像形式|*.sbx;*.png;*.gif;*.bmp;*.dpx|"
              "sbx - Stipple Box 2形式|*.sbx|PNG - Portable Network Graphics|*.png|"
              "GIF - Graphics Interchange Format|*.gif|BMP - ビットマップ|*.bmp|DPX - Pelmark標準イメージ|*.dpx||");
    EXPECT_EQ(list.BuildSaveFilter(),
              "sbx - Stipple Box 2形式|*.sbx|PNG - Portable Network Graphics|*.png|"
              "GIF - Graphics Interchange Format|*.gif|BMP - ビットマップ|*.bmp|DPX - Pelmark標準イメージ|*.dpx||");
    EXPECT_NE(dynamic_cast<CSerializerImagePng*>(list.Find("/pictures/cat.PNG", 1)), nullptr);
    EXPECT_NE(dynamic_cast<CSerializerImageGif*>(list.Find("cat.gif", 2)), nullptr);
    EXPECT_NE(dynamic_cast<CSerializerImageBmp*>(list.Find("cat.Bmp", 2)), nullptr);
    EXPECT_NE(dynamic_cast<CSerializerImageDpx*>(list.Find("cat.dpx", 1)), nullptr);
    EXPECT_EQ(list.Find("/pictures.d/cat", 1), nullptr);

    // The save dialog preselects the default path's format.
    CHeadlessFileDialog dialog;
    IFileDialog* previous = &GetFileDialog();
    SetFileDialog(&dialog);
    dialog.QueueAnswer(std::filesystem::path("/pictures/b.bmp"));
    EXPECT_EQ(list.GetSavePath("/pictures/a.gif"), std::filesystem::path("/pictures/b.bmp"));
    SetFileDialog(previous);
    ASSERT_EQ(dialog.GetRequests().size(), 1u);
    EXPECT_EQ(dialog.GetRequests()[0].selectedFilter, 3);
    EXPECT_EQ(dialog.GetRequests()[0].initialFileName, "/pictures/a");
    EXPECT_EQ(list.FindSaveFilterIndex("x.DPX"), 5);
}
