#include <gtest/gtest.h>

#include "formats/recovery_snapshot.h"
#include "formats/serializer_image_sbx.h"
#include "model/stipplebox_data.h"
#include "support/scratch_directory.h"
#include "support/test_documents.h"

TEST(RecoverySnapshot, KeepsTheWholeDocumentAndItsPathAndOpensAsAPlainDocument)
{
    CScratchDirectory folder;
    auto document = MakeRichDocument(5, 3, 3, 2, 16);
    const std::filesystem::path snapshot = folder / "snapshot.sbx";
    std::string error;
    ASSERT_TRUE(recovery::Write(recovery::Capture(*document, "/home/u/ねこ.sbx"), snapshot, error)) << error;
    EXPECT_EQ(folder.GetEntryCount(), 1u) << "no temporary file is left";

    CStippleboxData restored;
    std::filesystem::path path;
    ASSERT_TRUE(recovery::Read(snapshot, restored, path, error)) << error;
    ExpectSameStoredContent(*document, restored);
    EXPECT_EQ(path, "/home/u/ねこ.sbx");

    CStippleboxData opened;
    ASSERT_TRUE(CSerializerImageSbx().Read(snapshot, &opened, false)) << "readers of the format skip the record";
    ExpectSameStoredContent(*document, opened);
}

TEST(RecoverySnapshot, RefusesWhatItCannotTrustWithAReason)
{
    CScratchDirectory folder;
    auto document = MakeRichDocument(4, 4, 2, 1, 17);
    recovery::SCapturedSnapshot newer = recovery::Capture(*document, {});
    // The record's version dword follows the record's and its own chunk header.
    newer.memory.bytes[12] = recovery::kSnapshotVersion + 1;
    std::string error;
    ASSERT_TRUE(recovery::Write(newer, folder / "newer.sbx", error));
    ASSERT_TRUE(CSerializerImageSbx().Write(folder / "plain.sbx", document.get()));
    ASSERT_TRUE(recovery::Write(recovery::Capture(*document, {}), folder / "whole.sbx", error));
    const std::string whole = ReadFileBytes(folder / "whole.sbx");
    WriteFileBytes(folder / "cut.sbx", whole.substr(0, whole.size() / 2));
    WriteFileBytes(folder / "short.sbx", whole.substr(0, 20));

    const std::pair<const char*, const char*> cases[] = {
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
        EXPECT_FALSE(recovery::Read(folder / name, restored, path, error)) << name;
        EXPECT_NE(error.find(reason), std::string::npos) << name << ": " << error;
    }
}
