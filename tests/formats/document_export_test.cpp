#include <gtest/gtest.h>

#include "formats/document_export.h"
#include "formats/serializer_image_bmp.h"
#include "model/layer_merge.h"
#include "model/stipplebox_data.h"
#include "platform/exceptions.h"
#include "support/format_test_support.h"
#include "support/scratch_directory.h"

namespace {

// Three layers over background colour 0: the back one filled with 1, the
// middle one with a 2 at (0,0) and (1,0), the front one with a 3 at (1,0).
std::unique_ptr<CStippleboxData> MakeStack()
{
    auto data = std::make_unique<CStippleboxData>();
    data->Create(3, 1);
    CStippleboxLayerPtrArray& layers = *data->GetLayers();
    layers.NewLayer(1, 3, 1);
    layers.NewLayer(2, 3, 1);
    layers[0]->Fill(0);
    layers[0]->SetPixel(1, 0, 3);
    layers[1]->Fill(0);
    layers[1]->SetPixel(0, 0, 2);
    layers[1]->SetPixel(1, 0, 2);
    layers[2]->Fill(1);
    for (int i = 0; i < 256; ++i) {
        data->GetCurrentPalette()->SetColor(i, {static_cast<uint8_t>(i), 0, 0});
    }
    return data;
}

// A format that keeps one layer and fails or throws on request.
class CRecordingFormat : public CSerializerImage {
public:
    bool fail = false;
    bool raise = false;
    std::vector<std::vector<uint8_t>> written;
    std::vector<std::filesystem::path> paths;

protected:
    bool OnWrite(const std::filesystem::path& path, CStippleboxData* data) override
    {
        if (raise) {
            throw CFileException(CFileException::Cause::DiskFull, path);
        }
        const CStippleboxLayer& layer = *data->GetCurrentLayer();
        written.emplace_back(layer.GetPixels(), layer.GetPixels() + layer.GetWidth() * layer.GetHeight());
        paths.push_back(path);
        return !fail || paths.size() < 2;
    }
};

}  // namespace

TEST(LayerMerge, TheGivenIndexIsTheTransparentOne)
{
    // With 0 transparent (the background) it is checked through WriteDocument below;
    // with 2, the front layer's 0s cover.
    auto data = MakeStack();
    CStippleboxLayer merged;
    merged.Create(3, 1);
    MergeLayers(*data->GetLayers(), 2, merged);
    EXPECT_EQ(std::vector<uint8_t>(merged.GetPixels(), merged.GetPixels() + 3), (std::vector<uint8_t>{0, 3, 0}));
}

TEST(DocumentExport, WarningsNameWhatTheFormatLoses)
{
    auto data = MakeStack();
    EXPECT_EQ(GetSaveWarnings(*data, 0), std::vector<std::string>{"レイヤは全て重なった状態で保存されます"});
    EXPECT_TRUE(GetSaveWarnings(*data, CSerializerImage::kStoresAllLayers).empty());
    data->GetPalettes()->NewPalette(1);
    const std::vector<std::string> both = GetSaveWarnings(*data, CSerializerImage::kStoresSinglePicture);
    ASSERT_EQ(both.size(), 2u);
    EXPECT_EQ(both[1], "カレントパレットのみ保存されます");
    EXPECT_EQ(FormatSaveWarningQuestion(both),
              "この形式では一部の情報を保存することができません。\n\n・レイヤは全て重なった状態で保存されます\n"
              "・カレントパレットのみ保存されます\n\n保存を続行しますか？");
}

// The merged picture that one-layer formats get is checked in the format
// round-trip test, which also needs the layers back after each save.
TEST(DocumentExport, TheLayersComeBackWhenTheWriteThrows)
{
    auto data = MakeStack();
    CStippleboxLayer* front = data->GetLayers()->GetAt(0);
    CRecordingFormat format;
    format.raise = true;
    EXPECT_THROW(WriteDocument(format, "x.img", *data), CFileException);
    EXPECT_EQ(data->GetLayers()->GetSize(), 3);
    EXPECT_EQ(data->GetLayers()->GetAt(0), front);
}

TEST(DocumentExport, NumberedFilesAreNamedFromThePathBackmostFirst)
{
    EXPECT_EQ(MakeNumberedPath("/pics/picture.png", 0), "/pics/picture_000.png");
    EXPECT_EQ(MakeNumberedPath("pic.gif", 12), "pic_012.gif");
    EXPECT_EQ(MakeNumberedPath("/a.b/pic", 3), "/a.b/pic_003");

    auto data = MakeStack();
    CRecordingFormat format;
    std::filesystem::path failed;
    ASSERT_TRUE(ExportNumberedLayers(format, "/out/pic.bmp", *data, &failed));
    ASSERT_EQ(format.paths.size(), 3u);
    EXPECT_EQ(format.paths[0], "/out/pic_000.bmp");
    EXPECT_EQ(format.written[0], (std::vector<uint8_t>{1, 1, 1})) << "the backmost layer comes first";
    EXPECT_EQ(format.written[2], (std::vector<uint8_t>{0, 3, 0}));

    CRecordingFormat failing;
    failing.fail = true;
    EXPECT_FALSE(ExportNumberedLayers(failing, "/out/pic.bmp", *data, &failed));
    EXPECT_EQ(failed, "/out/pic_001.bmp");
    EXPECT_EQ(failing.paths.size(), 2u) << "the export stops at the failure";

    CScratchDirectory folder;
    CSerializerImageBmp bmp;
    ASSERT_TRUE(ExportNumberedLayers(bmp, folder / "p.bmp", *data, &failed));
    CStippleboxData back;
    ASSERT_TRUE(bmp.Read(folder / "p_002.bmp", &back, false));
    EXPECT_EQ(back.GetCurrentLayer()->GetPixel(1, 0), 3);
    EXPECT_EQ(back.GetCurrentPalette()->GetColor(3), (SPaletteColor{3, 0, 0})) << "the current palette goes along";
}
