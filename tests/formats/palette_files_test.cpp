#include <gtest/gtest.h>

#include <random>

#include "formats/palette_files/palette_file_io.h"
#include "support/scratch_directory.h"

// The fixtures were laid out by hand from each format's description; their
// colours are written out below, so that a reader that agrees with its own
// writer but not with the format is caught.
namespace {

const std::filesystem::path kPaletteFixtures = std::filesystem::path(STIPPLEBOX_FIXTURES_DIR) / "palettes";

SPaletteColor Rgb(int red, int green, int blue)
{
    return {uint8_t(blue), uint8_t(green), uint8_t(red)};
}

const std::vector<SPaletteColor> kPrimaries = {Rgb(255, 0, 0), Rgb(0, 255, 0), Rgb(0, 0, 255)};
const std::vector<SPaletteColor> kDusk = {Rgb(20, 12, 28), Rgb(68, 36, 52), Rgb(48, 52, 109), Rgb(222, 238, 214)};

struct SFixture {
    const char* file;
    std::vector<SPaletteColor> colors;
    const char* name;
    std::optional<int> transparentIndex;
};

}  // namespace

TEST(PaletteFiles, HandLaidFixturesReadAsTheFormatsDescribeThem)
{
    std::vector<SPaletteColor> ramp;
    for (int i = 0; i < 256; ++i) {
        ramp.push_back(Rgb(i, 255 - i, i / 2));
    }
    const SFixture fixtures[] = {
        {"dusk.gpl", kDusk, "Dusk 4", {}},  // CR LF, byte-order mark, comments, empty line
        {"primaries.gpl", kPrimaries, "primaries", {}},  // no name: the file's
        {"primaries.pal", kPrimaries, "primaries", {}},  // CR LF
        {"two_lf.pal", {kDusk[0], kDusk[3]}, "two_lf", {}},  // LF, an empty last line
        {"primaries.hex", kPrimaries, "primaries", {}},  // "#", capitals, an empty line
        {"dusk_crlf.hex", kDusk, "dusk_crlf", {}},  // CR LF, no final line break
        {"three_transparent_1.act", {kDusk[0], kDusk[1], kDusk[2]}, "three_transparent_1", 1},  // count 3
        {"ramp.act", ramp, "ramp", {}},  // the short form: 256 colours
    };
    for (const SFixture& fixture : fixtures) {
        SCOPED_TRACE(fixture.file);
        SPaletteFile palette;
        std::string error;
        ASSERT_TRUE(ReadPaletteFile(kPaletteFixtures / fixture.file, &palette, &error)) << error;
        EXPECT_EQ(palette.colors, fixture.colors);
        EXPECT_EQ(palette.name, fixture.name);
        EXPECT_EQ(palette.transparentIndex, fixture.transparentIndex);
    }
}

TEST(PaletteFiles, BadFilesAreRefusedWithTheReasonAndLeaveThePaletteAlone)
{
    std::string act(772, '\0');
    const auto actWithTail = [&](std::string tail) { return act.substr(0, 768) + tail; };
    const struct {
        const char* file;
        std::string bytes;
        const char* reason;
    } cases[] = {
        {"a.gpl", "GIMP palette\n1 2 3\n", "GIMPパレットではありません。"},
        {"a.gpl", "GIMP Palette\n1 2\n", "2行目: 色の値が読めません。"},
        {"a.gpl", "GIMP Palette\r\n# c\r\n1 2 256\r\n", "3行目: 色の値が0～255の範囲外です。"},
        {"a.gpl", "GIMP Palette\n1 2 x3\n", "2行目: 色の値が読めません。"},
        {"a.gpl", "GIMP Palette\n-1 2 3\n", "2行目: 色の値が読めません。"},
        {"a.gpl", "GIMP Palette\n1 2 3000000000000\n", "2行目: 色の値が読めません。"},
        {"a.gpl", "GIMP Palette\nName: empty\n", "パレットファイルに色がありません。"},
        {"a.pal", "JASC-PAL\n0200\n1\n0 0 0\n", "JASCパレットの版が異常です。"},
        {"a.pal", "JASC-PAL\n0100\n3\n0 0 0\n1 1 1\n", "色数が異常です : 3色 (色の行は2行)"},
        {"a.pal", "JASC-PAL\n0100\n0\n", "色数が異常です : 0色 (色の行は0行)"},
        {"a.pal", "JASC-PAL\n0100\nmany\n", "3行目: 色数が読めません。"},
        {"a.pal", "JASC-PAL\n0100\n1\n0 0 0 # black\n", "4行目: 色の値の後ろに余計な文字があります。"},
        {"a.pal", "GIMP Palette\n", "JASCパレットではありません。"},
        {"a.hex", "ff0000\nff000\n", "2行目: RRGGBB形式の色ではありません。"},
        {"a.hex", "ff00zz\n", "1行目: RRGGBB形式の色ではありません。"},
        {"a.hex", "; a comment\n", "1行目: RRGGBB形式の色ではありません。"},
        {"a.act", act.substr(0, 767), "Adobeカラーテーブルの大きさが異常です : 767バイト (768か772バイトです)"},
        {"a.act", actWithTail({'\0', '\0', '\xff', '\xff'}), "Adobeカラーテーブルの色数が異常です : 0色"},
        {"a.act", actWithTail({'\x01', '\x01', '\xff', '\xff'}), "Adobeカラーテーブルの色数が異常です : 257色"},
        {"a.act", actWithTail({'\0', '\x03', '\0', '\x03'}), "Adobeカラーテーブルの透明色の番号が異常です : 3"},
        {"a.bmp", "", "パレット形式を判別出来ませんでした。"},
        {"A.HEX", "#12345\n", "1行目: RRGGBB形式の色ではありません。"},
    };
    CScratchDirectory scratch;
    for (const auto& test : cases) {
        SCOPED_TRACE(test.bytes.substr(0, 40));
        WriteFileBytes(scratch / test.file, test.bytes);
        SPaletteFile palette{{Rgb(1, 2, 3)}, "kept", 7};
        std::string error;
        EXPECT_FALSE(ReadPaletteFile(scratch / test.file, &palette, &error));
        EXPECT_EQ(error, test.reason);
        EXPECT_EQ(palette.name, "kept");
        EXPECT_EQ(palette.colors.size(), 1u);
    }
}

TEST(PaletteFiles, HugeAndMissingFilesAreRefusedBeforeTheyAreRead)
{
    CScratchDirectory scratch;
    std::filesystem::path huge = scratch / "huge.hex";
    WriteFileBytes(huge, "ff0000\n");
    std::filesystem::resize_file(huge, kMaxPaletteFileBytes + 1);
    SPaletteFile palette;
    std::string error;
    EXPECT_FALSE(ReadPaletteFile(huge, &palette, &error));
    EXPECT_EQ(error, "パレットファイルが大きすぎます。");
    EXPECT_FALSE(ReadPaletteFile(scratch / "missing.gpl", &palette, &error));
    EXPECT_EQ(error, "ファイルのオープンに失敗しました。");
}

TEST(PaletteFiles, EveryFormatWritesWhatItReadsBack)
{
    std::mt19937 random(18);
    SPaletteFile written{{}, "Ramp \"1\"\n", 200};
    for (int i = 0; i < 256; ++i) {
        written.colors.push_back(SPaletteColor::FromRgb(random() & 0xFFFFFF));
    }
    CScratchDirectory scratch;
    for (const SPaletteFileFormat& format : GetPaletteFileFormats()) {
        SCOPED_TRACE(format.extension);
        const std::filesystem::path path = scratch / (std::string("out") + format.extension);
        std::string error;
        ASSERT_TRUE(WritePaletteFile(path, written, &error)) << error;
        SPaletteFile read;
        ASSERT_TRUE(ReadPaletteFile(path, &read, &error)) << error;
        EXPECT_EQ(read.colors, written.colors);
        const bool keepsName = format.extension == std::string(".gpl");
        EXPECT_EQ(read.name, keepsName ? "Ramp \"1\"" : "out") << "a name stays on its line";
        const bool keepsTransparency = format.extension == std::string(".act");
        EXPECT_EQ(read.transparentIndex, keepsTransparency ? written.transparentIndex : std::nullopt);
    }
    EXPECT_EQ(ReadFileBytes(scratch / "out.pal").substr(0, 18), "JASC-PAL\r\n0100\r\n25");
    EXPECT_EQ(std::filesystem::file_size(scratch / "out.act"), 772u);
    EXPECT_EQ(scratch.GetEntryCount(), 4u) << "no temporary file is left";
}
