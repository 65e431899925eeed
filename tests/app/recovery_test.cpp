// Recovery snapshots: when they are written and removed, how editors keep
// away from each other's, and what the main dialog offers at start.
#include <gtest/gtest.h>

#include <optional>

#include "app/document_recovery.h"
#include "formats/recovery_snapshot.h"
#include "model/stipplebox_data.h"
#include "support/main_dialog_fixture.h"
#include "support/test_documents.h"

namespace fs = std::filesystem;

namespace {

using Clock = CDocumentRecovery::Clock;

// What an editor that was killed leaves: a snapshot under a session nobody
// holds.
fs::path LeaveSnapshot(const fs::path& folder, const std::string& session, CStippleboxData& document,
                       const fs::path& documentPath)
{
    fs::create_directories(folder);
    const fs::path path = folder / (session + ".sbx");
    std::string error;
    EXPECT_TRUE(recovery::Write(recovery::Capture(document, documentPath), path, error)) << error;
    return path;
}

}  // namespace

TEST(DocumentRecovery, SnapshotsAChangeAtOnceThenAtMostOncePerIntervalAndOnlyWhileUnsaved)
{
    CScratchDirectory folder;
    Clock::time_point now{};
    auto document = MakeRichDocument(4, 4, 2, 1, 3);
    const fs::path path = "/pictures/cat.sbx";
    std::optional<CDocumentRecovery> recovery(std::in_place, folder / "Recovery", [&] { return now; });
    const fs::path snapshot = recovery->GetSnapshotPath();
    const auto update = [&](bool modified, uint64_t generation) {
        const auto wait = recovery->Update({*document, path, modified, generation});
        recovery->Flush();
        return wait;
    };

    EXPECT_EQ(update(false, 0), std::nullopt);
    EXPECT_FALSE(fs::exists(snapshot)) << "nothing unsaved, nothing to keep";
    EXPECT_EQ(update(true, 1), std::nullopt);
    ASSERT_TRUE(fs::exists(snapshot)) << "the first change is kept at once";

    document->GetCurrentLayer()->Fill(9);
    now += std::chrono::seconds(45);
    EXPECT_EQ(update(true, 2), std::chrono::seconds(15));
    EXPECT_EQ(update(true, 3), std::nullopt) << "one wait at a time";
    CStippleboxData kept;
    fs::path keptPath;
    std::string error;
    ASSERT_TRUE(recovery::Read(snapshot, kept, keptPath, error)) << error;
    EXPECT_NE(kept.GetCurrentLayer()->GetPixel(0, 0), 9) << "too soon for the second change";

    now += std::chrono::seconds(15);
    recovery->OnWaitOver();
    EXPECT_EQ(update(true, 3), std::nullopt);
    ASSERT_TRUE(recovery::Read(snapshot, kept, keptPath, error)) << error;
    EXPECT_EQ(kept.GetCurrentLayer()->GetPixel(0, 0), 9);

    EXPECT_EQ(update(false, 4), std::nullopt);
    EXPECT_FALSE(fs::exists(snapshot)) << "saved, or undone to the saved state";
    now += CDocumentRecovery::kInterval;
    EXPECT_EQ(update(true, 5), std::nullopt);
    EXPECT_TRUE(fs::exists(snapshot));
    recovery.reset();
    EXPECT_TRUE(fs::is_empty(folder / "Recovery")) << "a clean end leaves nothing";
}

TEST(DocumentRecovery, EditorsClaimOnlyTheSnapshotsOfEditorsThatHaveEnded)
{
    CScratchDirectory folder;
    auto document = MakeRichDocument(3, 3, 1, 1, 4);
    CDocumentRecovery running(folder / "Recovery");
    const fs::path untitled;
    ASSERT_EQ(running.Update({*document, untitled, true, 1}), std::nullopt);
    running.Flush();
    const fs::path left = LeaveSnapshot(folder / "Recovery", "123-456", *document, {});

    CDocumentRecovery starting(folder / "Recovery");
    std::vector<CClaimedSnapshot> claimed = starting.ClaimLeftovers();
    ASSERT_EQ(claimed.size(), 1u) << "the running editor's snapshot is not offered";
    EXPECT_EQ(claimed[0].GetPath(), left);
    EXPECT_TRUE(CDocumentRecovery(folder / "Recovery").ClaimLeftovers().empty()) << "claimed by the first to look";

    claimed.clear();  // kept for later
    std::vector<CClaimedSnapshot> again = CDocumentRecovery(folder / "Recovery").ClaimLeftovers();
    ASSERT_EQ(again.size(), 1u);
    again[0].Discard();
    EXPECT_FALSE(fs::exists(left));
    EXPECT_TRUE(fs::exists(running.GetSnapshotPath()));
}

using MainDialogRecovery = CMainDialogTest;

// Restored unsaved under its path (the title) and saved back there, the
// snapshot goes: RecoveryEndToEnd.
TEST_F(MainDialogRecovery, ARestoredDocumentIsUnsavedWithItsPathAndKeptAtTheInterval)
{
    auto document = MakeRichDocument(6, 5, 2, 1, 5);
    const fs::path path = settings / "cat.sbx";
    const fs::path left = LeaveSnapshot(settings / "IniFiles" / "Recovery", "99-1", *document, path);

    messages->QueueAnswer(MessageBoxAnswer::Yes);
    dialog.OnStartup({});
    ASSERT_EQ(messages->GetRecords().size(), 1u);
    EXPECT_EQ(LastBoxText().substr(0, LastBoxText().find("cat.sbx")),
              "保存されないまま終了した画像が残っています。\n\n");
    EXPECT_EQ(messages->GetRecords()[0].buttons, MessageBoxButtons::YesNoCancel);
    ExpectSameStoredContent(*document, *dialog.GetDocument());
    EXPECT_FALSE(fs::exists(left));
    EXPECT_TRUE(fs::exists(dialog.GetRecovery()->GetSnapshotPath())) << "kept until saved";
    EXPECT_TRUE(host.timers.empty());
    dialog.ExecuteCommand(std::make_unique<CChange>());
    dialog.ExecuteCommand(std::make_unique<CChange>());
    ASSERT_EQ(host.timers.size(), 1u) << "the second change waits for the interval";
    EXPECT_GT(host.timers.begin()->second, 59000);
}

TEST_F(MainDialogRecovery, UnreadableSnapshotsAreOfferedForDiscardingAndNeverStopTheStart)
{
    const fs::path folder = settings / "IniFiles" / "Recovery";
    auto document = MakeRichDocument(4, 4, 1, 1, 6);
    const fs::path damaged = LeaveSnapshot(folder, "1-1", *document, {});
    WriteFileBytes(damaged, ReadFileBytes(damaged).substr(0, 50));
    const fs::path foreign = LeaveSnapshot(folder, "2-2", *document, {});
    WriteFileBytes(foreign, "not a picture at all, but long enough for a header");
    const fs::path readable = LeaveSnapshot(folder, "3-3", *document, {});
    int age = 4;
    for (const fs::path& path : {damaged, foreign, readable}) {
        fs::last_write_time(path, fs::file_time_type::clock::now() - std::chrono::minutes(--age));
    }

    // Newest first: the readable one stays for later, then one discarded, one kept.
    for (const MessageBoxAnswer answer : {MessageBoxAnswer::Cancel, MessageBoxAnswer::Yes, MessageBoxAnswer::No}) {
        messages->QueueAnswer(answer);
    }
    const CStippleboxData* startup = dialog.GetDocument();
    dialog.OnStartup({});
    ASSERT_EQ(messages->GetRecords().size(), 3u);
    EXPECT_NE(messages->GetRecords()[0].text.find("復元しますか？"), std::string::npos);
    EXPECT_NE(messages->GetRecords()[1].text.find("を読み込めません。\n\nファイルの種類が異なります。\n\n破棄しますか？"),
              std::string::npos);
    EXPECT_EQ(dialog.GetDocument(), startup);
    EXPECT_EQ(std::vector<bool>({fs::exists(damaged), fs::exists(foreign), fs::exists(readable)}),
              std::vector<bool>({true, false, true}));
}
