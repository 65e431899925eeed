#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "support/headless_message_box_scope.h"
#include "platform/settings_directory.h"
#include "platform/text.h"

namespace fs = std::filesystem;

TEST(Text, Utf8AndUtf16RoundTripIncludingSurrogatePairs)
{
    const std::string text = "レイヤ A \xF0\x9F\x8E\xA8";
    const std::u16string wide = sb::Utf8ToUtf16(text);
    EXPECT_EQ(wide, u"レイヤ A \U0001F3A8");
    EXPECT_EQ(wide.size(), 8u);
    EXPECT_EQ(sb::Utf16ToUtf8(wide), text);
}

TEST(Text, BrokenInputBecomesReplacementCharacters)
{
    EXPECT_EQ(sb::Utf8ToUtf16("a\xFF" "b"), u"a\uFFFDb");
    EXPECT_EQ(sb::Utf8ToUtf16("\xE3\x81"), u"\uFFFD") << "a truncated sequence";
    EXPECT_EQ(sb::Utf8ToUtf16("\xC0\xAF"), u"\uFFFD") << "an overlong form";
    EXPECT_EQ(sb::Utf16ToUtf8(std::u16string(1, char16_t(0xD800)) + u"x"), "\xEF\xBF\xBDx");
}

TEST(SettingsDirectory, PrefersAWritableFolderBesideTheExecutable)
{
    const fs::path base = fs::temp_directory_path() / ("stipplebox-settings-" + std::to_string(::getpid()));
    fs::create_directories(base / "bin");
    SSettingsLocationInputs inputs{base / "bin", std::string("/xdg"), std::string("/home/u")};
    EXPECT_EQ(ChooseSettingsDirectory(inputs), base / "bin" / "IniFiles");

    inputs.executableDirectory = base / "gone";  // no such folder: nothing can be made there
    EXPECT_EQ(ChooseSettingsDirectory(inputs), fs::path("/xdg/stipplebox/IniFiles"));
    inputs.xdgConfigHome = std::string();
    EXPECT_EQ(ChooseSettingsDirectory(inputs), fs::path("/home/u/.config/stipplebox/IniFiles"));
    inputs.xdgConfigHome.reset();
    EXPECT_EQ(ChooseSettingsDirectory(inputs), fs::path("/home/u/.config/stipplebox/IniFiles"));
    fs::remove_all(base);
}

TEST(HeadlessMessageBox, RecordsEveryBoxAndAnswersFromItsScript)
{
    CHeadlessMessageBoxScope boxes;
    boxes->QueueAnswer(MessageBoxAnswer::Yes);
    boxes->SetFallbackAnswer(MessageBoxAnswer::Cancel);
    EXPECT_EQ(ShowMessageBox("保存しますか？", MessageBoxButtons::YesNoCancel, MessageBoxIcon::Question),
              MessageBoxAnswer::Yes);
    EXPECT_EQ(ShowMessageBox("もう一度"), MessageBoxAnswer::Cancel);
    ASSERT_EQ(boxes->GetRecords().size(), 2u);
    EXPECT_EQ(boxes->GetRecords()[0].icon, MessageBoxIcon::Question);
    EXPECT_EQ(boxes->GetRecords()[1].buttons, MessageBoxButtons::Ok);
    EXPECT_EQ(boxes->GetUnusedAnswerCount(), 0u);
}
