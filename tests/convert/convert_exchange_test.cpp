#include <gtest/gtest.h>

#include "convert/run_tool.h"
#include "formats/palette_files/palette_file_io.h"
#include "formats/serializer_image_sbx.h"
#include "model/stipplebox_data.h"
#include "support/editor_fixture.h"
#include "support/scratch_directory.h"

// The converter's palette file and sprite sheet options, in process.
namespace {

class ConvertExchange : public ::testing::Test {
protected:
    ConvertExchange()
    {
        auto data = MakeRowsDocument({{"12", "34"}, {"56", "78"}, {"9A", "BC"}});
        data->SetBackgroundColor(7);
        EXPECT_TRUE(CSerializerImageSbx().Write(Path("in.sbx"), data.get()));
    }
    std::string Path(const std::string& name) const { return (folder / name).string(); }
    int Run(std::vector<std::string> arguments)
    {
        const SRun run = RunTool(std::move(arguments));
        errors = run.err;
        return run.status;
    }
    std::unique_ptr<CStippleboxData> ReadSbx(const std::string& name)
    {
        auto data = std::make_unique<CStippleboxData>();
        EXPECT_TRUE(CSerializerImageSbx().Read(Path(name), data.get(), false));
        return data;
    }

    CScratchDirectory folder;
    std::string errors;
};

}  // namespace

TEST_F(ConvertExchange, PalettesGoOutAndComeBackAsANewCurrentPalette)
{
    ASSERT_EQ(Run({Path("in.sbx"), "--export-palette", Path("grey.act")}), 0) << errors;
    SPaletteFile palette;
    std::string error;
    ASSERT_TRUE(ReadPaletteFile(Path("grey.act"), &palette, &error));
    EXPECT_EQ(palette.colors[200], (SPaletteColor{200, 200, 200}));
    EXPECT_EQ(palette.transparentIndex, 7) << "the background colour";

    WriteFileBytes(folder / "red.hex", "ff0000\n");
    ASSERT_EQ(Run({Path("in.sbx"), "--import-palette", Path("red.hex"), Path("out.sbx")}), 0) << errors;
    auto out = ReadSbx("out.sbx");
    ASSERT_EQ(out->GetPalettes()->GetSize(), 2);
    EXPECT_EQ(out->GetPalettes()->GetCurrentIndex(), 1);
    EXPECT_EQ(out->GetCurrentPalette()->GetPaletteName(), u"red");
    EXPECT_EQ(out->GetCurrentPalette()->GetColor(0), (SPaletteColor{0, 0, 255}));
    EXPECT_EQ(out->GetCurrentPalette()->GetColor(1), (SPaletteColor{1, 1, 1}));

    EXPECT_EQ(Run({Path("in.sbx"), "--import-palette", Path("missing.gpl"), Path("x.sbx")}), 1);
    EXPECT_EQ(errors, "ファイルのオープンに失敗しました。\n\n" + Path("missing.gpl") + "\n");
    EXPECT_EQ(Run({Path("in.sbx"), "--export-palette", Path("grey.txt")}), 1);
    EXPECT_EQ(errors, "パレット形式を判別出来ませんでした。\n\n" + Path("grey.txt") + "\n");
}

TEST_F(ConvertExchange, ASheetCutBackIntoLayersIsTheDocumentAgain)
{
    ASSERT_EQ(Run({Path("in.sbx"), "--export-sheet", Path("sheet.png"), "--columns", "2", "--padding", "1"}), 0)
        << errors;
    EXPECT_TRUE(std::filesystem::exists(folder / "sheet.json"));
    ASSERT_EQ(
        Run({Path("sheet.png"), "--sheet-layers", "2", "2", "--padding", "1", "--frames", "3", Path("back.sbx")}), 0)
        << errors;
    auto in = ReadSbx("in.sbx");
    auto back = ReadSbx("back.sbx");
    ASSERT_EQ(back->GetLayers()->GetSize(), 3);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(GetRows(*(*back->GetLayers())[i]), GetRows(*(*in->GetLayers())[i]));
    }
    EXPECT_EQ(back->GetBackgroundColor(), 7);

    for (const std::vector<std::string>& wrong : std::vector<std::vector<std::string>>{
             {},
             {Path("in.sbx"), "--export-sheet", Path("s.png"), "--columns"},
             {Path("in.sbx"), "--export-sheet", Path("s.png"), "--rows", "2"},
             {Path("in.sbx"), "--export-sheet", Path("s.png"), "--padding", "-1"},
             {Path("sheet.png"), "--sheet-layers", "2", "x", Path("b.sbx")},
         }) {
        EXPECT_EQ(Run(wrong), 2) << testing::PrintToString(wrong);
        EXPECT_TRUE(errors.starts_with("usage:\n")) << errors;
    }
}
