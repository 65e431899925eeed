#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "app/ini_profile.h"
#include "platform/integer_edit.h"
#include "support/scratch_directory.h"

namespace {

struct SIntegerField final : IIntegerEdit {
    int value = 0;
    int GetValue() const override { return value; }
    void SetValue(int newValue) override { value = newValue; }
};

class IniProfile : public ::testing::Test {
protected:
    // A loading profile of a file with this text.
    CIniProfile Load(const std::string& text)
    {
        WriteFileBytes(m_path, text);
        return CIniProfile(m_path, true, false);
    }

    CScratchDirectory m_directory;
    const std::filesystem::path m_path = m_directory / "PlayerWnd";
};

}  // namespace

TEST_F(IniProfile, LinesAreReadAsWrittenIntoCaseSensitiveSections)
{
    const CIniProfile profile = Load(
        "Zoom=4\n"  // before any header: General
        "=orphan\n"
        "a=b=c\n"
        " spaced = 12 \n"
        "[Draw\n"
        "; note=1\n"
        "no equals sign\n"
        "dup=1\n"
        "dup=2\n"
        "empty=\n"
        "[DRAW]\n"
        "Limit=3\n");
    EXPECT_EQ(profile.GetString("", "Zoom", "-"), "4");
    EXPECT_EQ(profile.GetString("General", "Zoom", "-"), "4");
    EXPECT_EQ(profile.GetString("", "", "-"), "-") << "a line that begins with = is ignored";
    EXPECT_EQ(profile.GetString("", "a", "-"), "b=c");
    EXPECT_EQ(profile.GetString("", " spaced ", "-"), " 12 ");
    EXPECT_EQ(profile.GetString("", "; note", "-"), "-");
    EXPECT_EQ(profile.GetInt("", "dup", 0), 2) << "'[Draw' is no header; the last value wins";
    EXPECT_EQ(profile.GetInt("", "empty", 77), 77) << "an empty value reads as absent";
    EXPECT_EQ(profile.GetInt("DRAW", "Limit", -1), 3);
    EXPECT_EQ(profile.GetInt("Draw", "Limit", -1), -1);
    EXPECT_EQ(profile.GetInt("DRAW", "limit", -1), -1);
}

TEST_F(IniProfile, NumbersReadTheirLeadingInteger)
{
    CIniProfile profile = Load("a=  -42xyz\nb=abc\nc=+7\nd=99999999999\ne=-99999999999\nf=300\n");
    // No digits gives 0, not the default; out of range is clamped.
    for (const auto& [key, value] : {std::pair{"a", -42}, {"b", 0}, {"c", 7}, {"d", INT_MAX}, {"e", INT_MIN}}) {
        EXPECT_EQ(profile.GetInt("", key, 5), value) << key;
    }
    uint8_t byte = 1;
    profile.Exchange(false, "", "f", byte);
    EXPECT_EQ(byte, 44) << "a byte keeps the low 8 bits";
    bool flag = false;
    profile.Exchange(false, "", "c", flag);
    EXPECT_TRUE(flag);
}

TEST_F(IniProfile, LongLinesArriveInPiecesOf254Characters)
{
    const std::string a252(252, 'a');
    std::string kana252;
    for (int i = 0; i < 252; ++i) {
        kana252 += "あ";
    }
    const CIniProfile profile = Load("k=" + a252 + "\n" +        // 254 characters and the break: one piece
                                     "m=" + a252 + "tail=5\n" +  // the rest is a line of its own
                                     "j=" + kana252 + "\n" +     // counted in characters, not bytes
                                     "x=" + std::string(600, 'z') + "\nafter=1\n");
    EXPECT_EQ(profile.GetString("", "k", "-"), a252);
    EXPECT_EQ(profile.GetString("", "m", "-"), a252);
    EXPECT_EQ(profile.GetInt("", "tail", 0), 5);
    EXPECT_EQ(profile.GetString("", "j", "-"), kana252);
    EXPECT_EQ(profile.GetString("", "x", "-"), std::string(252, 'z'));
    EXPECT_EQ(profile.GetInt("", "after", 0), 1);
}

TEST_F(IniProfile, GarbageAndBinaryBytesLeaveTheValidLinesReadable)
{
    std::string text = "\xEF\xBB\xBF[PlayerWnd]\r\nZoom=3\r\n";  // byte-order mark, CR LF
    text += std::string("\x00\x01\xFF\xFE binary\n", 12) + "\x80\x81=\x82\n" + std::string(1000, '\x07');
    text += "\n[Player\xFFWnd]\nZoom=9\n[PlayerWnd]\nLoop=1";  // no break at the end
    const CIniProfile profile = Load(text);
    EXPECT_EQ(profile.GetInt("PlayerWnd", "Zoom", 0), 3);
    EXPECT_EQ(profile.GetInt("PlayerWnd", "Loop", 0), 1);
    EXPECT_EQ(CIniProfile(m_directory / "absent", true, false).GetString("", "Zoom", "none"), "none");
}

TEST_F(IniProfile, EveryKindSavesAndLoadsBack)
{
    struct SState {
        std::string name;
        int zoom = 0;
        uint8_t order = 0;
        bool loop = false;
        CPoint interval;
        CSize size;
        CRect rect;
        SIntegerField width;

        void Exchange(const std::filesystem::path& path, bool saving)
        {
            CIniProfile profile(path, !saving, saving);
            profile.Exchange(saving, "", "Name", name);
            profile.Exchange(saving, "", "Zoom", zoom);
            profile.Exchange(saving, "General", "Order", order);
            profile.Exchange(saving, "", "Loop", loop);
            profile.Exchange(saving, "Medium", "Interval", interval);
            profile.Exchange(saving, "Medium", "Size", size);
            profile.Exchange(saving, "", "Rect", rect);
            profile.Exchange(saving, "", "Width", width);
        }
    };
    SState saved{"レイヤ=1", -3, 200, true, {8, -16}, {640, 480}, {-5, 6, 700, 800}, {}};
    saved.width.value = 320;
    saved.Exchange(m_path, true);
    EXPECT_EQ(ReadFileBytes(m_path),
              "[General]\nLoop=1\nName=レイヤ=1\nOrder=200\nRect=-5,6,700,800\nWidth=320\nZoom=-3\n\n"
              "[Medium]\nInterval=8,-16\nSize=640,480\n\n");

    // Loaded and saved again, every value comes back as it was.
    SState loaded;
    loaded.Exchange(m_path, false);
    loaded.Exchange(m_directory / "again", true);
    EXPECT_EQ(ReadFileBytes(m_directory / "again"), ReadFileBytes(m_path));
}

TEST_F(IniProfile, MissingKeysAndTooFewFieldsLeaveTheVariableAsItWas)
{
    CIniProfile profile = Load("Rect=1,2,3\nInterval=7\nPoint=3, 4,5\nWide=1,2,3,4,5\n");
    CRect rect{9, 9, 9, 9};
    profile.Exchange(false, "", "Rect", rect);
    EXPECT_EQ(rect, (CRect{9, 9, 9, 9}));
    CPoint point{5, 5};
    profile.Exchange(false, "", "Interval", point);
    EXPECT_EQ(point, (CPoint{5, 5}));
    profile.Exchange(false, "", "Point", point);
    EXPECT_EQ(point, (CPoint{3, 4}));
    profile.Exchange(false, "", "Wide", rect);
    EXPECT_EQ(rect, (CRect{1, 2, 3, 4}));
    SIntegerField field;
    field.value = 12;
    profile.Exchange(false, "", "Missing", field);
    EXPECT_EQ(field.value, 12);
}

TEST_F(IniProfile, OnlyASavingProfileThatStoredSomethingWritesAndItWritesSafely)
{
    WriteFileBytes(m_path, "[General]\nA=1\nB=2\n");
    CIniProfile(m_path, true, false).SetInt("", "A", 5);  // a loading profile is read-only
    CIniProfile(m_path, false, true);                     // stores nothing
    EXPECT_EQ(ReadFileBytes(m_path), "[General]\nA=1\nB=2\n");
    {
        CFileSizeLimitScope diskFillsUp(8);
        CIniProfile(m_path, false, true).SetString("", "A", std::string(100, '2'));
    }
    EXPECT_EQ(ReadFileBytes(m_path), "[General]\nA=1\nB=2\n") << "a failed write keeps the old file";
    CIniProfile(m_path, false, true).SetInt("", "B", 3);
    EXPECT_EQ(ReadFileBytes(m_path), "[General]\nB=3\n\n") << "a saving pass rewrites the whole file";
    EXPECT_EQ(m_directory.GetEntryCount(), 1u) << "no temporary file is left";

    // A folder that does not exist: nothing is written and nothing is reported.
    EXPECT_NO_THROW(CIniProfile(m_directory / "Dialog" / "New.ini", false, true).SetInt("", "Width", 64));
}
