#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>

#include "convert/convert_command.h"
#include "formats/serializer_image_bmp.h"
#include "formats/serializer_image_dpx.h"
#include "formats/serializer_image_gif.h"
#include "formats/serializer_image_png.h"
#include "formats/serializer_image_sbx.h"
#include "formats/serializer_list.h"
#include "formats/standard_serializers.h"
#include "formats/gif_file.h"
#include "model/stipplebox_data.h"
#include "support/format_test_support.h"
#include "support/scratch_directory.h"

namespace {

struct SRun {
    int status;
    std::string out;
    std::string err;
};

SRun RunTool(std::vector<std::string> arguments)
{
    CSerializerList formats;
    AddStandardSerializers(formats);
    std::ostringstream out;
    std::ostringstream err;
    const int status = RunConvert(arguments, formats, out, err);
    return {status, out.str(), err.str()};
}

// A three-layer file: the back layer all 1, the middle one 2 on the left
// half over background colour 0, the front one 3 in the first pixel.
std::filesystem::path MakeLayeredFile(const CScratchDirectory& folder)
{
    CStippleboxData data;
    data.Create(4, 2);
    CStippleboxLayerPtrArray& layers = *data.GetLayers();
    layers.NewLayer(1, 4, 2);
    layers.NewLayer(2, 4, 2);
    layers[2]->Fill(1);
    layers[1]->Fill(0);
    layers[1]->SetPixel(0, 0, 2);
    layers[1]->SetPixel(1, 0, 2);
    layers[0]->Fill(0);
    layers[0]->SetPixel(0, 0, 3);
    layers[1]->SetVisible(false);
    layers[0]->GetDelay().SetDelay(40, CDelay::kMillisecondsUnit, false);
    for (int i = 0; i < 256; ++i) {
        data.GetCurrentPalette()->SetColor(i, {static_cast<uint8_t>(i), 0, 0});
    }
    const std::filesystem::path path = folder / "layers.sbx";
    CSerializerImageSbx sbx;
    EXPECT_TRUE(sbx.Write(path, &data));
    return path;
}

std::vector<uint8_t> Pixels(const CStippleboxData& data)
{
    const CStippleboxLayer& layer = *data.GetCurrentLayer();
    return {layer.GetPixels(), layer.GetPixels() + layer.GetWidth() * layer.GetHeight()};
}

}  // namespace

TEST(Convert, HelpAndUsage)
{
    const SRun help = RunTool({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("  stipplebox-convert IN OUT                    convert; formats by extension\n"),
              std::string::npos);
    EXPECT_NE(help.out.find("  stipplebox-convert --info IN                 size, layers (names, visibility, delays), "
                            "palettes\n"),
              std::string::npos);
    const SRun wrong = RunTool({"a.png", "--export-sideways", "b.png"});
    EXPECT_EQ(wrong.status, 2);
    EXPECT_NE(wrong.err.find("stipplebox-convert IN --export-gif OUT.gif"), std::string::npos);
    EXPECT_EQ(RunTool({}).status, 2);
}

TEST(Convert, MergesLayersLikeTheEditorAndListsWhatIsLost)
{
    CScratchDirectory folder;
    const std::filesystem::path in = MakeLayeredFile(folder);
    const SRun run = RunTool({in.string(), (folder / "flat.png").string()});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "この形式では一部の情報を保存することができません。\n・レイヤは全て重なった状態で保存されます\n");
    CSerializerImagePng png;
    CStippleboxData flat;
    ASSERT_TRUE(png.Read(folder / "flat.png", &flat, false));
    EXPECT_EQ(Pixels(flat), (std::vector<uint8_t>{3, 2, 1, 1, 1, 1, 1, 1}));

    const SRun layered = RunTool({in.string(), (folder / "copy.dpx").string()});
    EXPECT_EQ(layered.status, 0);
    EXPECT_EQ(layered.err, "");
}

TEST(Convert, ExportsNumberedLayersAndTheAnimation)
{
    CScratchDirectory folder;
    const std::filesystem::path in = MakeLayeredFile(folder);
    ASSERT_EQ(RunTool({in.string(), "--export-layers", (folder / "frame.bmp").string()}).status, 0);
    CSerializerImageBmp bmp;
    CStippleboxData first;
    ASSERT_TRUE(bmp.Read(folder / "frame_000.bmp", &first, false));
    EXPECT_EQ(Pixels(first), std::vector<uint8_t>(8, 1)) << "the backmost layer is number 0";
    EXPECT_TRUE(std::filesystem::exists(folder / "frame_002.bmp"));
    EXPECT_FALSE(std::filesystem::exists(folder / "frame_003.bmp"));

    ASSERT_EQ(RunTool({in.string(), "--export-gif", (folder / "anim.gif").string()}).status, 0);
    CGifInfo info;
    CGifFile gif;
    ASSERT_TRUE(gif.Read(AsBytes(ReadFileBytes(folder / "anim.gif")), info, false));
    ASSERT_EQ(info.frames.size(), 3u);
    EXPECT_EQ(info.frames[2]->delay, 4);
}

TEST(Convert, InfoDescribesTheDocument)
{
    CScratchDirectory folder;
    const SRun run = RunTool({"--info", MakeLayeredFile(folder).string()});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out,
              "size: 4 x 2\n"
              "background colour: 0\n"
              "layers: 3 (current 0, 0 in front)\n"
              "  0 \"Layer001\" visible, delay 40 ms\n"
              "  1 \"Layer002\" hidden, delay 83 ms\n"
              "  2 \"Layer003\" visible, delay 83 ms\n"
              "palettes: 1 (current 0)\n"
              "  0 \"Pal001\"\n");
}

TEST(Convert, FailuresPrintTheProgramsOwnTextsAndLeaveTheOldFile)
{
    CScratchDirectory folder;
    const std::filesystem::path in = MakeLayeredFile(folder);
    const SRun unknownIn = RunTool({(folder / "a.jpeg").string(), (folder / "b.png").string()});
    EXPECT_EQ(unknownIn.status, 1);
    EXPECT_EQ(unknownIn.err, "画像形式を判別出来ませんでした。\n読み込みを中止します。\n\n" + (folder / "a.jpeg").string() +
                                 "\n");
    const SRun unknownOut = RunTool({in.string(), (folder / "b.jpeg").string()});
    EXPECT_EQ(unknownOut.status, 1);
    EXPECT_EQ(unknownOut.err, "ファイル形式が判別できませんでした。\n");

    WriteFileBytes(folder / "broken.gif", "GIF89a\x01");
    WriteFileBytes(folder / "old.png", "old");
    const SRun broken = RunTool({(folder / "broken.gif").string(), (folder / "old.png").string()});
    EXPECT_EQ(broken.status, 1);
    EXPECT_EQ(broken.err, "ファイルが途中で終わっています。\n\n" + (folder / "broken.gif").string() + "\n");
    EXPECT_EQ(ReadFileBytes(folder / "old.png"), "old");

    const SRun noFolder = RunTool({in.string(), (folder / "none" / "x.bmp").string()});
    EXPECT_EQ(noFolder.status, 1);
    EXPECT_NE(noFolder.err.find("ファイルを開けませんでした。\n\n" + (folder / "none" / "x.bmp").string()),
              std::string::npos)
        << noFolder.err;
}

TEST(Convert, TheProgramRunsOnItsOwn)
{
    CScratchDirectory folder;
    const std::filesystem::path in = MakeLayeredFile(folder);
    const std::string program = STIPPLEBOX_CONVERT_PROGRAM;
    EXPECT_EQ(std::system((program + " --help > /dev/null").c_str()), 0);
    EXPECT_NE(std::system((program + " --bogus 2> /dev/null").c_str()), 0);
    const std::string command = program + " '" + in.string() + "' '" + (folder / "out.gif").string() + "' 2>/dev/null";
    ASSERT_EQ(std::system(command.c_str()), 0);
    CSerializerImageGif gif;
    CStippleboxData back;
    ASSERT_TRUE(gif.Read(folder / "out.gif", &back, false));
    EXPECT_EQ(Pixels(back), (std::vector<uint8_t>{3, 2, 1, 1, 1, 1, 1, 1}));
}
