#include <gtest/gtest.h>

#include "platform/code_page.h"

TEST(CodePage, NamesTravelAsShiftJisWithUnmappableCharactersReplaced)
{
    EXPECT_EQ(sb::Utf16ToCodePage(u"テスト①"), "\x83\x65\x83\x58\x83\x67\x87\x40");
    EXPECT_EQ(sb::CodePageToUtf16("\x83\x65\x83\x58\x83\x67\x87\x40"), u"テスト①");
    EXPECT_EQ(sb::Utf16ToCodePage(u"a\U0001F3A8b"), "a?b");
    EXPECT_EQ(sb::Utf16ToCodePage(u"ab\u30C6", 3), "ab") << "a character is never cut in half";
    EXPECT_EQ(sb::CodePageToUtf16("a\x83"), u"a\uFFFD");
}
