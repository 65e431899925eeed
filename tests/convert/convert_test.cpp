#include <gtest/gtest.h>

#include <cstdlib>

#include "convert/run_tool.h"
#include "formats/serializer_image_bmp.h"
#include "formats/serializer_image_gif.h"
#include "formats/serializer_image_png.h"
#include "formats/serializer_image_sbx.h"
#include "formats/gif_file.h"
#include "model/stipplebox_data.h"
#include "support/editor_fixture.h"
#include "support/format_test_support.h"
#include "support/scratch_directory.h"

namespace {

// The indices of a written file's picture, read back.
std::vector<uint8_t> ReadPixels(CSerializerImage&& format, const std::filesystem::path& path)
{
    CStippleboxData data;
    if (!format.Read(path, &data, false)) {
        ADD_FAILURE() << path << ": " << format.GetErrorText();
        return {};
    }
    const CStippleboxLayer& layer = *data.GetCurrentLayer();
    return {layer.GetPixels(), layer.GetPixels() + layer.GetWidth() * layer.GetHeight()};
}

class Convert : public ::testing::Test {
protected:
    // A three-layer file, front to back: 3 in the first pixel over background
    // colour 0; a hidden layer with 2 in the top-left two; all 1. Every delay is
    // set, as a new layer's would be whatever an earlier read remembered.
    Convert()
    {
        auto data = MakeRowsDocument({{"3000", "0000"}, {"2200", "0000"}, {"1111", "1111"}});
        CStippleboxLayerPtrArray& layers = *data->GetLayers();
        layers[1]->SetVisible(false);
        for (int i = 0; i < 3; ++i) {
            layers[i]->GetDelay().SetDelay(i == 0 ? 40 : 120, CDelay::kMillisecondsUnit, false);
        }
        EXPECT_TRUE(CSerializerImageSbx().Write(Path("layers.sbx"), data.get()));
    }
    std::string Path(const std::string& name) const { return (folder / name).string(); }

    CScratchDirectory folder;
    const std::string in = Path("layers.sbx");
    const std::vector<uint8_t> merged = {3, 2, 1, 1, 1, 1, 1, 1};
};

}  // namespace

TEST_F(Convert, MergesLayersLikeTheEditorAndListsWhatIsLost)
{
    const SRun run = RunTool({in, Path("flat.png")});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "この形式では一部の情報を保存することができません。\n・レイヤは全て重なった状態で保存されます\n");
    EXPECT_EQ(ReadPixels(CSerializerImagePng(), Path("flat.png")), merged);

    const SRun layered = RunTool({in, Path("copy.dpx")});
    EXPECT_EQ(layered.status, 0);
    EXPECT_EQ(layered.err, "");
}

TEST_F(Convert, ExportsNumberedLayersAndTheAnimation)
{
    ASSERT_EQ(RunTool({in, "--export-layers", Path("frame.bmp")}).status, 0);
    EXPECT_EQ(ReadPixels(CSerializerImageBmp(), Path("frame_000.bmp")), std::vector<uint8_t>(8, 1))
        << "the backmost layer is number 0";

    ASSERT_EQ(RunTool({in, "--export-gif", Path("anim.gif")}).status, 0);
    CGifInfo info;
    ASSERT_TRUE(CGifFile().Read(AsBytes(ReadFileBytes(Path("anim.gif"))), info, false));
    ASSERT_EQ(info.frames.size(), 3u);
    EXPECT_EQ(info.frames[2]->delay, 4);

    // Read back frame by frame, the animation gives the layers again.
    ASSERT_EQ(RunTool({"--gif-layers", Path("anim.gif"), Path("back.sbx")}).status, 0);
    CStippleboxData original;
    CStippleboxData back;
    ASSERT_TRUE(CSerializerImageSbx().Read(in, &original, false));
    ASSERT_TRUE(CSerializerImageSbx().Read(Path("back.sbx"), &back, false));
    ASSERT_EQ(back.GetLayers()->GetSize(), 3);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(GetRows(*(*back.GetLayers())[i]), GetRows(*(*original.GetLayers())[i])) << i;
        EXPECT_EQ((*back.GetLayers())[i]->GetDelay().GetDelay(CDelay::kHundredthsUnit), info.frames[2 - i]->delay);
    }
}

TEST_F(Convert, InfoDescribesTheDocument)
{
    const SRun run = RunTool({"--info", in});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out,
              "size: 4 x 2\n"
              "background colour: 0\n"
              "layers: 3 (current 0, 0 in front)\n"
              "  0 \"Layer001\" visible, delay 40 ms\n"
              "  1 \"Layer002\" hidden, delay 120 ms\n"
              "  2 \"Layer003\" visible, delay 120 ms\n"
              "palettes: 1 (current 0)\n"
              "  0 \"Pal001\"\n");
}

TEST_F(Convert, FailuresPrintTheProgramsOwnTextsAndLeaveTheOldFile)
{
    WriteFileBytes(Path("broken.gif"), "GIF89a\x01");
    WriteFileBytes(Path("old.png"), "old");
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{Path("a.jpeg"), Path("b.png")}, "画像形式を判別出来ませんでした。\n読み込みを中止します。\n\n" + Path("a.jpeg") + "\n"},
        {{in, Path("b.jpeg")}, "ファイル形式が判別できませんでした。\n"},
        {{Path("broken.gif"), Path("old.png")}, "ファイルが途中で終わっています。\n\n" + Path("broken.gif") + "\n"},
    };
    for (const auto& [arguments, error] : cases) {
        const SRun run = RunTool(arguments);
        EXPECT_EQ(run.status, 1) << error;
        EXPECT_EQ(run.err, error);
    }
    EXPECT_EQ(ReadFileBytes(Path("old.png")), "old");

    const SRun noFolder = RunTool({in, Path("none/x.bmp")});
    EXPECT_EQ(noFolder.status, 1);
    EXPECT_NE(noFolder.err.find("ファイルを開けませんでした。\n\n" + Path("none/x.bmp")), std::string::npos) << noFolder.err;
}

TEST_F(Convert, TheProgramRunsOnItsOwn)
{
    const std::string program = STIPPLEBOX_CONVERT_PROGRAM;
    EXPECT_NE(std::system((program + " --bogus 2> /dev/null").c_str()), 0);
    ASSERT_EQ(std::system((program + " '" + in + "' '" + Path("out.gif") + "' 2>/dev/null").c_str()), 0);
    EXPECT_EQ(ReadPixels(CSerializerImageGif(), Path("out.gif")), merged);
}
