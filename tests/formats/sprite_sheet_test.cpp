#include <gtest/gtest.h>

#include <cstdio>

#include "formats/serializer_image_png.h"
#include "formats/sprite_sheet/sprite_sheet_export.h"
#include "formats/sprite_sheet/sprite_sheet_import.h"
#include "model/stipplebox_data.h"
#include "support/editor_fixture.h"
#include "support/scratch_directory.h"

namespace {

// Three layers of 3 × 2, each with its own name and delay; the background
// colour is 0.
std::unique_ptr<CStippleboxData> MakeFrames()
{
    auto data = MakeRowsDocument({{"123", "456"}, {"789", "ABC"}, {"DEF", "D0D"}});
    const char16_t* names[] = {u"front", u"mid \"2\"\\", u"back"};
    for (int i = 0; i < 3; ++i) {
        CStippleboxLayer& layer = *(*data->GetLayers())[i];
        layer.SetName(names[i]);
        layer.GetDelay().SetDelay(600 * (i + 1) + 5, 0, false);
    }
    return data;
}

}  // namespace

TEST(SpriteSheet, SheetAndJsonShowTheFramesInTheAnimationsOrder)
{
    auto data = MakeFrames();
    CScratchDirectory scratch;
    std::string error;
    ASSERT_TRUE(ExportSpriteSheet(*data, scratch / "walk.png", {2, 1}, &error)) << error;

    // Two columns with one pixel between the cells: the backmost layer first.
    CStippleboxData sheet;
    CSerializerImagePng png;
    ASSERT_TRUE(png.Read(scratch / "walk.png", &sheet, false)) << png.GetErrorText();
    ASSERT_EQ(sheet.GetCanvasSize(), (CSize{7, 5}));
    EXPECT_EQ(GetRows(*sheet.GetCurrentLayer()), (PixelRows{"DEF0789", "D0D0ABC", "0000000", "1230000", "4560000"}));
    EXPECT_EQ(sheet.GetBackgroundColor(), 0) << "the background colour is the one transparent entry";
    for (int i = 0; i < 256; ++i) {
        ASSERT_EQ(sheet.GetCurrentPalette()->GetColor(i), data->GetCurrentPalette()->GetColor(i));
    }

    std::string palette;
    for (int i = 0; i < 256; ++i) {
        char line[32];
        std::snprintf(line, sizeof line, "%s    \"#%02x%02x%02x\"", i == 0 ? "" : ",\n", i, i, i);
        palette += line;
    }
    EXPECT_EQ(ReadFileBytes(scratch / "walk.json"), R"({
  "image": "walk.png",
  "size": {
    "w": 7,
    "h": 5
  },
  "frameSize": {
    "w": 3,
    "h": 2
  },
  "columns": 2,
  "padding": 1,
  "transparentIndex": 0,
  "frames": [
    {
      "layer": 2,
      "name": "back",
      "x": 0,
      "y": 0,
      "w": 3,
      "h": 2,
      "duration": 300
    },
    {
      "layer": 1,
      "name": "mid \"2\"\\",
      "x": 4,
      "y": 0,
      "w": 3,
      "h": 2,
      "duration": 200
    },
    {
      "layer": 0,
      "name": "front",
      "x": 0,
      "y": 3,
      "w": 3,
      "h": 2,
      "duration": 100
    }
  ],
  "palette": [
)" + palette + "\n  ]\n}\n");
}

TEST(SpriteSheet, EveryLayoutCutsBackIntoTheSameLayers)
{
    auto data = MakeFrames();
    data->SetBackgroundColor(13);
    CScratchDirectory scratch;
    for (const int columns : {0, 1, 2, 3}) {
        for (const int padding : {0, 3}) {
            SCOPED_TRACE(testing::Message() << columns << " columns, padding " << padding);
            std::string error;
            ASSERT_TRUE(ExportSpriteSheet(*data, scratch / "sheet.png", {columns, padding}, &error)) << error;
            auto layers = ImportSpriteSheet(scratch / "sheet.png", {{3, 2}, padding, 3}, &error);
            ASSERT_NE(layers, nullptr) << error;
            ASSERT_EQ(layers->GetLayers()->GetSize(), 3);
            for (int i = 0; i < 3; ++i) {
                EXPECT_EQ(GetRows(*(*layers->GetLayers())[i]), GetRows(*(*data->GetLayers())[i]));
            }
            EXPECT_EQ(layers->GetBackgroundColor(), 13);
        }
    }
}

TEST(SpriteSheet, SheetsThatDoNotHoldTheFramesAreRefused)
{
    auto data = MakeFrames();
    CScratchDirectory scratch;
    std::string error;
    ASSERT_TRUE(ExportSpriteSheet(*data, scratch / "row.png", {0, 0}, &error));
    const struct {
        SSpriteSheetSlicing slicing;
        const char* reason;
    } cases[] = {
        {{{10, 2}, 0, 0}, "スプライトシートがフレームより小さいです。"},
        {{{3, 2}, 0, 4}, "スプライトシートには3フレームしかありません。"},
        {{{0, 2}, 0, 0}, "キャンバスサイズが異常です。"},
        {{{3, 2}, 65, 0}, "フレームの間隔か数が異常です。"},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.reason);
        EXPECT_EQ(ImportSpriteSheet(scratch / "row.png", test.slicing, &error), nullptr);
        EXPECT_EQ(error, test.reason);
    }
    EXPECT_FALSE(ExportSpriteSheet(*data, scratch / "sheet.json", {}, &error));
    EXPECT_EQ(error, "スプライトシートはPNGファイルに書き出します。");
    // A disk that fills up half-way leaves the sheet and the JSON of the
    // last export as they were.
    WriteFileBytes(scratch / "old.png", "old");
    WriteFileBytes(scratch / "old.json", "old");
    {
        CFileSizeLimitScope fullDisk(64);
        EXPECT_FALSE(ExportSpriteSheet(*data, scratch / "old.png", {}, &error));
    }
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(ReadFileBytes(scratch / "old.png"), "old");
    EXPECT_EQ(ReadFileBytes(scratch / "old.json"), "old");
}
