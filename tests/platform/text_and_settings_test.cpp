#include <gtest/gtest.h>

#include <filesystem>

#include "platform/settings_directory.h"
#include "platform/text.h"
#include "support/scratch_directory.h"

namespace fs = std::filesystem;

TEST(Text, Utf8AndUtf16RoundTripAndBrokenInputBecomesReplacementCharacters)
{
    const std::string text = "レイヤ A \xF0\x9F\x8E\xA8";
    EXPECT_EQ(sb::Utf8ToUtf16(text), u"レイヤ A \U0001F3A8") << "a surrogate pair, 8 code units";
    EXPECT_EQ(sb::Utf16ToUtf8(sb::Utf8ToUtf16(text)), text);

    const std::pair<const char*, std::u16string> broken[] = {
        {"a\xFF" "b", u"a\uFFFDb"}, {"\xE3\x81", u"\uFFFD"} /* truncated */, {"\xC0\xAF", u"\uFFFD"} /* overlong */};
    for (const auto& [input, expected] : broken) {
        EXPECT_EQ(sb::Utf8ToUtf16(input), expected) << input;
    }
    EXPECT_EQ(sb::Utf16ToUtf8(std::u16string(1, char16_t(0xD800)) + u"x"), "\xEF\xBF\xBDx");
}

TEST(SettingsDirectory, AnIniFilesFolderBesideTheExecutableMarksAPortableCopy)
{
    CScratchDirectory base;
    fs::create_directories(base / "bin");
    SSettingsLocationInputs inputs{base / "bin", std::string("/xdg"), std::string("/home/u")};
    EXPECT_EQ(ChooseSettingsDirectory(inputs), fs::path("/xdg/stipplebox/IniFiles"))
        << "a writable program folder alone is no portable copy";
    fs::create_directories(base / "bin" / "IniFiles");
    EXPECT_EQ(ChooseSettingsDirectory(inputs), base / "bin" / "IniFiles");

    inputs.executableDirectory = base / "gone";
    EXPECT_EQ(ChooseSettingsDirectory(inputs), fs::path("/xdg/stipplebox/IniFiles"));
    inputs.xdgConfigHome = std::string();
    EXPECT_EQ(ChooseSettingsDirectory(inputs), fs::path("/home/u/.config/stipplebox/IniFiles"));
    inputs.xdgConfigHome.reset();
    EXPECT_EQ(ChooseSettingsDirectory(inputs), fs::path("/home/u/.config/stipplebox/IniFiles"));
}
