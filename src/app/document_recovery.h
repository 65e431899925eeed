#pragma once

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "app/recovery_folder.h"

class CRecoverySnapshotWriter;
class CStippleboxData;

// Keeps a recovery snapshot of the open document while it has unsaved
// changes, so that a crash, a killed program or a lost session costs at most
// the last minute of work. A snapshot is taken after a change, at most once
// per interval; the copy is made on the calling thread and written on
// another. A document without unsaved changes has no snapshot.
class CDocumentRecovery {
public:
    using Clock = std::chrono::steady_clock;
    static constexpr Clock::duration kInterval = std::chrono::seconds(60);
    // Smaller snapshots are copied into fresh memory about as fast as into
    // memory made ready.
    static constexpr size_t kPreparedSize = size_t{256} << 10;

    struct SDocumentState {
        CStippleboxData& document;
        const std::filesystem::path& path;
        bool modified;
        uint64_t generation;  // differs for every state of the document
    };

    explicit CDocumentRecovery(std::filesystem::path folder, std::function<Clock::time_point()> now = Clock::now);
    // A clean end: the snapshot and the session go.
    ~CDocumentRecovery();
    CDocumentRecovery(const CDocumentRecovery&) = delete;
    CDocumentRecovery& operator=(const CDocumentRecovery&) = delete;

    // Brings the snapshot up to date with the document, or, when the last
    // snapshot is too recent, returns how long the caller should wait before
    // asking again. Only one wait is handed out at a time.
    std::optional<Clock::duration> Update(const SDocumentState& state);
    // The wait handed out by Update has passed.
    void OnWaitOver() { m_waiting = false; }

    // The snapshots that editors which ended without cleaning up left behind.
    std::vector<CClaimedSnapshot> ClaimLeftovers() { return m_folder.ClaimLeftovers(); }
    // Makes a restored snapshot this editor's own: it stands for the open
    // document at the generation until the next change.
    void Adopt(CClaimedSnapshot& snapshot, uint64_t generation);

    // Returns once every snapshot asked for is written or removed.
    void Flush();
    std::filesystem::path GetSnapshotPath() const { return m_folder.GetSnapshotPath(); }

private:
    CRecoveryFolder m_folder;
    std::unique_ptr<CRecoverySnapshotWriter> m_writer;  // none without a usable folder
    std::function<Clock::time_point()> m_now;
    std::optional<uint64_t> m_snapshotGeneration;
    std::optional<Clock::time_point> m_lastSnapshot;
    bool m_waiting = false;
};
