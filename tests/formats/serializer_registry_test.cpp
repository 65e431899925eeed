#include <gtest/gtest.h>

#include "formats/serializer_image_sbx.h"
#include "formats/serializer_list.h"
#include "formats/standard_serializers.h"
#include "model/stipplebox_data.h"
#include "platform/headless_file_dialog.h"
#include "support/headless_message_box_scope.h"

namespace {

// A format that only names itself; reads and writes fail as scripted.
class CNamedFormat : public CSerializerImage {
public:
    CNamedFormat(std::string label, std::string extension, uint32_t flags)
        : m_label(std::move(label)), m_extension(std::move(extension)), m_flags(flags)
    {
    }
    uint32_t GetFlags() const override { return m_flags; }
    bool GetFormat(int index, std::string& label, std::string& extension) const override
    {
        label = m_label;
        extension = m_extension;
        return index == 0;
    }
    std::string nextError;  // stored by the next failing operation, if any

protected:
    bool OnRead(const std::filesystem::path&, CStippleboxData*, bool) override { return Fail(); }
    bool OnWrite(const std::filesystem::path&, CStippleboxData*) override { return Fail(); }

private:
    bool Fail()
    {
        if (!nextError.empty()) {
            SetErrorText(std::exchange(nextError, {}));
        }
        return false;
    }

    std::string m_label;
    std::string m_extension;
    uint32_t m_flags;
};

CSerializerList MakeFiveFormats()
{
    CSerializerList list;
    for (const char* extension : {".sbx", ".png", ".gif", ".bmp", ".dpx"}) {
        list.AddTail(std::make_unique<CNamedFormat>(std::string("label ") + extension, extension, 3));
    }
    return list;
}

}  // namespace

TEST(SerializerRegistry, FindMatchesTheExtensionFromTheLastDotCaseInsensitively)
{
    const CSerializerList list = MakeFiveFormats();
    EXPECT_EQ(list.Find("/home/me/cat.PNG", 1), list.GetAt(1));
    EXPECT_EQ(list.Find("cat.tar.gif", 2), list.GetAt(2));
    EXPECT_EQ(list.Find("/home/me/noextension", 1), nullptr);
    EXPECT_EQ(list.Find("/home/me.d/picture", 1), nullptr) << "the '.' of a folder name starts no extension";
    EXPECT_EQ(list.Find("/home/me/cat.jpeg", 1), nullptr);
    EXPECT_EQ(CSerializerList::ExtensionOf("/a.b/c"), ".b/c");
}

TEST(SerializerRegistry, DialogsAreAskedWithTheirFiltersAndPreselection)
{
    const CSerializerList list = MakeFiveFormats();
    CHeadlessFileDialog dialog;
    IFileDialog* previous = &GetFileDialog();
    SetFileDialog(&dialog);
    dialog.QueueAnswer(std::filesystem::path("/pictures/b.png"));
    dialog.QueueAnswer(std::nullopt);
    dialog.QueueAnswer(std::filesystem::path("/pictures/c.bmp"));
    EXPECT_EQ(list.GetSavePath("/pictures/a.gif"), std::filesystem::path("/pictures/b.png"));
    EXPECT_EQ(list.GetOpenPath(), std::filesystem::path());
    EXPECT_EQ(list.GetSavePath(""), std::filesystem::path("/pictures/c.bmp"));
    SetFileDialog(previous);

    const auto& requests = dialog.GetRequests();
    ASSERT_EQ(requests.size(), 3u);
    EXPECT_EQ(requests[0].kind, SFileDialogRequest::Kind::Save);
    EXPECT_EQ(requests[0].selectedFilter, 3);
    EXPECT_EQ(requests[0].initialFileName, "/pictures/a");
    EXPECT_EQ(requests[0].filter, list.BuildSaveFilter());
    EXPECT_EQ(requests[1].kind, SFileDialogRequest::Kind::Open);
    EXPECT_EQ(requests[1].filter, list.BuildOpenFilter());
    EXPECT_EQ(requests[2].selectedFilter, 1);
    EXPECT_EQ(requests[2].initialFileName, "");
    EXPECT_EQ(list.FindSaveFilterIndex("x.DPX"), 5);
    EXPECT_EQ(list.FindSaveFilterIndex("x.jpeg"), 1);
}

TEST(SerializerRegistry, ShowErrorAppendsTheDetailOnceAndFallsBackToTheGenericText)
{
    CHeadlessMessageBoxScope boxes;
    CNamedFormat format("BMP", ".bmp", 3);
    format.nextError = "ファイルのオープンに失敗しました。\n\n/tmp/a.bmp";
    EXPECT_FALSE(format.Read("/tmp/a.bmp", nullptr, true));
    format.ShowError("/tmp/a.bmp");
    format.nextError = "ファイルのオープンに失敗しました。";
    EXPECT_FALSE(format.Write("/tmp/b.bmp", nullptr));
    format.ShowError("/tmp/b.bmp");
    // A failure that stores no text shows the generic text, not the last one.
    EXPECT_FALSE(format.Read("/tmp/c.bmp", nullptr, true));
    format.ShowError("/tmp/c.bmp");
    format.ShowError("");

    const auto& records = boxes->GetRecords();
    ASSERT_EQ(records.size(), 4u);
    EXPECT_EQ(records[0].text, "ファイルのオープンに失敗しました。\n\n/tmp/a.bmp");
    EXPECT_EQ(records[1].text, "ファイルのオープンに失敗しました。\n\n/tmp/b.bmp");
    EXPECT_EQ(records[2].text, "エラーが発生しました。\n\n/tmp/c.bmp");
    EXPECT_EQ(records[3].text, "エラーが発生しました。");
    EXPECT_EQ(records[3].buttons, MessageBoxButtons::Ok);
}

TEST(ImageFormats, TheStandardListOffersAllFiveNativeFirst)
{
    CSerializerList list;
    AddStandardSerializers(list);
    ASSERT_EQ(list.GetCount(), 5);
    EXPECT_EQ(list.BuildOpenFilter(),
              "全ての画像形式|*.sbx;*.png;*.gif;*.bmp;*.dpx|"
              "sbx - Stipple Box 2形式|*.sbx|PNG - Portable Network Graphics|*.png|"
              "GIF - Graphics Interchange Format|*.gif|BMP - ビットマップ|*.bmp|DPX - Pelmark標準イメージ|*.dpx||");
    EXPECT_EQ(list.BuildSaveFilter(),
              "sbx - Stipple Box 2形式|*.sbx|PNG - Portable Network Graphics|*.png|"
              "GIF - Graphics Interchange Format|*.gif|BMP - ビットマップ|*.bmp|DPX - Pelmark標準イメージ|*.dpx||");
    auto* native = dynamic_cast<CSerializerImageSbx*>(list.GetAt(0));
    ASSERT_NE(native, nullptr);
    EXPECT_EQ(native->GetFlags(), 3u);
    EXPECT_EQ(native->GetStoreFlags(), 5u);
}
