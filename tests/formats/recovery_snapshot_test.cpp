#include <gtest/gtest.h>

#include "formats/recovery_snapshot.h"
#include "formats/serializer_image_sbx.h"
#include "model/stipplebox_data.h"
#include "support/scratch_directory.h"
#include "support/test_documents.h"

TEST(RecoverySnapshot, IsAPlainDocumentWithItsPathAndRefusesWhatItCannotTrust)
{
    CScratchDirectory folder;
    auto document = MakeRichDocument(5, 3, 3, 2, 16);
    std::string error;
    ASSERT_TRUE(recovery::Write(recovery::Capture(*document, "/home/u/ねこ.sbx"), folder / "whole.sbx", error));
    EXPECT_EQ(folder.GetEntryCount(), 1u) << "no temporary file is left";
    CStippleboxData opened;
    ASSERT_TRUE(CSerializerImageSbx().Read(folder / "whole.sbx", &opened, false)) << "the record is skipped";
    ExpectSameStoredContent(*document, opened);

    recovery::SCapturedSnapshot newer = recovery::Capture(*document, {});
    // The record's version follows the record's and its own chunk header.
    newer.memory.bytes[12] = recovery::kSnapshotVersion + 1;
    ASSERT_TRUE(recovery::Write(newer, folder / "newer.sbx", error));
    ASSERT_TRUE(CSerializerImageSbx().Write(folder / "plain.sbx", document.get()));
    const std::string whole = ReadFileBytes(folder / "whole.sbx");
    WriteFileBytes(folder / "cut.sbx", whole.substr(0, whole.size() / 2));
    WriteFileBytes(folder / "short.sbx", whole.substr(0, 20));

    const std::pair<const char*, const char*> cases[] = {
        {"whole.sbx", ""},
        {"newer.sbx", "新しいバージョンのStipple Box 2で保存された復元用のデータです。"},
        {"plain.sbx", "復元用のデータではありません。"},
        {"short.sbx", "復元用のデータが壊れています。"},
        {"cut.sbx", "圧縮データ展開中にエラーが発生しました。"},
        {"none.sbx", "ファイルのオープンに失敗しました。"},
    };
    for (const auto& [name, reason] : cases) {
        CStippleboxData restored;
        std::filesystem::path path;
        error.clear();
        EXPECT_EQ(recovery::Read(folder / name, restored, path, error), *reason == '\0') << name;
        EXPECT_NE(error.find(reason), std::string::npos) << name << ": " << error;
    }
    CStippleboxData restored;
    std::filesystem::path path;
    ASSERT_TRUE(recovery::Read(folder / "whole.sbx", restored, path, error));
    EXPECT_EQ(path, "/home/u/ねこ.sbx");
    ExpectSameStoredContent(*document, restored);
}
