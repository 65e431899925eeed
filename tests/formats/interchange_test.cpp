// Pictures travel between this program and others: files the independent
// tools (ImageMagick, giflib, pngcheck) wrote are read with the right pixels
// and colours, and files this program writes are read by ImageMagick as the
// same picture. The exported animation is read back with giflib's tools in
// the journey test.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <fstream>
#include <optional>
#include <regex>
#include <sstream>

#include "formats/serializer.h"
#include "model/stipplebox_data.h"
#include "support/format_test_support.h"
#include "support/scratch_directory.h"

namespace {

const std::filesystem::path kInterchangeFixtures = std::filesystem::path(STIPPLEBOX_FIXTURES_DIR) / "interchange";

struct SPicture {
    int width = 0;
    int height = 0;
    std::vector<SPaletteColor> pixels;  // top row first
};

// The plain (P3) picture a fixture was made from.
SPicture LoadPpm(const std::string& name)
{
    std::ifstream in(kInterchangeFixtures / (name + ".ppm"));
    std::string magic;
    int maximum = 0;
    SPicture picture;
    in >> magic >> picture.width >> picture.height >> maximum;
    for (int i = 0; i < picture.width * picture.height; ++i) {
        int red = 0;
        int green = 0;
        int blue = 0;
        in >> red >> green >> blue;
        picture.pixels.push_back({static_cast<uint8_t>(blue), static_cast<uint8_t>(green), static_cast<uint8_t>(red)});
    }
    return picture;
}

SPaletteColor ColorAt(const CStippleboxData& data, int x, int y)
{
    return data.GetCurrentPalette()->GetColor(data.GetCurrentLayer()->GetPixel(x, y));
}

// Runs a shell command and returns what it printed, or nullopt when it failed.
std::optional<std::string> Capture(const std::string& command)
{
    FILE* pipe = ::popen((command + " 2>/dev/null").c_str(), "r");
    if (pipe == nullptr) {
        return std::nullopt;
    }
    std::string output;
    std::array<char, 4096> buffer;
    size_t got = 0;
    while ((got = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0) {
        output.append(buffer.data(), got);
    }
    return ::pclose(pipe) == 0 ? std::optional(output) : std::nullopt;
}

// ImageMagick's own convert; a stand-in elsewhere on the path may not be it.
std::string Convert()
{
    return std::filesystem::exists("/usr/bin/convert") ? "/usr/bin/convert" : "convert";
}

std::string Quote(const std::filesystem::path& path)
{
    return "'" + path.string() + "'";
}

// ImageMagick decodes the file to the document's size and colours.
void ExpectToolSeesDocument(const std::string& file, const CStippleboxData& data)
{
    const auto size = Capture(Convert() + " " + file + " -format '%w %h' info:");
    ASSERT_TRUE(size.has_value()) << file;
    ASSERT_EQ(*size, std::to_string(data.GetWidth()) + " " + std::to_string(data.GetHeight()));
    const auto text = Capture(Convert() + " " + file + " -depth 8 txt:-");
    ASSERT_TRUE(text.has_value()) << file;
    static const std::regex kLine(R"((\d+),(\d+):.*#([0-9A-F]{2})([0-9A-F]{2})([0-9A-F]{2}))");
    std::istringstream lines(*text);
    std::string line;
    int pixels = 0;
    int mismatches = 0;
    while (std::getline(lines, line)) {
        std::smatch match;
        if (std::regex_search(line, match, kLine)) {
            const auto hex = [&](int i) { return static_cast<uint8_t>(std::stoi(match[i].str(), nullptr, 16)); };
            ++pixels;
            mismatches += SPaletteColor{hex(5), hex(4), hex(3)} !=
                          ColorAt(data, std::stoi(match[1].str()), std::stoi(match[2].str()));
        }
    }
    EXPECT_EQ(pixels, data.GetWidth() * data.GetHeight()) << file;
    EXPECT_EQ(mismatches, 0) << file;
}

}  // namespace

TEST(Interchange, PicturesOtherToolsWroteReadWithTheirColours)
{
    // Pixels of a PNG's one transparent colour read as the background index.
    const struct {
        const char* file;
        const char* source;
        std::optional<SPaletteColor> transparent = std::nullopt;
    } kFixturesAndSources[] = {
        {"gif87a_16.gif", "sixteen"},    {"gif89a_16.gif", "sixteen"},      {"gif_2.gif", "two"},
        {"gif_256.gif", "full"},         {"gif_interlaced_256.gif", "full"}, {"gif_local_16.gif", "sixteen"},
        {"gif_animated.gif", "sixteen"}, {"png_p1.png", "two"},             {"png_p2.png", "four"},
        {"png_p4.png", "sixteen"},       {"png_p8.png", "full"},            {"bmp_1.bmp", "two"},
        {"bmp_4.bmp", "sixteen"},        {"bmp_8.bmp", "full"},             {"bmp_os2_1.bmp", "two"},
        {"bmp_os2_4.bmp", "sixteen"},    {"bmp_os2_8.bmp", "full"},
        {"png_p4_trns.png", "sixteen", SPaletteColor{182, 253, 74}},
        {"png_p8_trns.png", "four", SPaletteColor{91, 254, 37}},
    };
    for (const auto& fixture : kFixturesAndSources) {
        SCOPED_TRACE(fixture.file);
        const SPicture source = LoadPpm(fixture.source);
        ASSERT_FALSE(source.pixels.empty());
        CSerializerImage& format = FormatFor(fixture.file);
        CStippleboxData data;
        ASSERT_TRUE(format.Read(kInterchangeFixtures / fixture.file, &data, false)) << format.GetErrorText();
        ASSERT_EQ(data.GetWidth(), source.width);
        ASSERT_EQ(data.GetHeight(), source.height);
        int mismatches = 0;
        int transparentPixels = 0;
        for (int y = 0; y < source.height; ++y) {
            for (int x = 0; x < source.width; ++x) {
                const SPaletteColor& expected = source.pixels[size_t(y) * source.width + x];
                if (fixture.transparent == expected) {
                    ++transparentPixels;
                    mismatches += data.GetCurrentLayer()->GetPixel(x, y) != data.GetBackgroundColor();
                } else {
                    mismatches += ColorAt(data, x, y) != expected;
                }
            }
        }
        EXPECT_EQ(mismatches, 0);
        EXPECT_EQ(transparentPixels > 0, fixture.transparent.has_value());
    }
}

TEST(Interchange, OtherToolsReadWhatThisProgramWrites)
{
    CScratchDirectory folder;
    auto data = MakeBlockyPicture(37, 23, 11);
    for (const char* name : {"out.png", "out.gif", "out.bmp"}) {
        ASSERT_TRUE(FormatFor(name).Write(folder / name, data.get()));
        ExpectToolSeesDocument(Quote(folder / name), *data);
    }
}
