#pragma once

#include <condition_variable>
#include <filesystem>
#include <mutex>
#include <optional>
#include <thread>

#include "formats/recovery_snapshot.h"

// Writes recovery snapshots to one file on a thread of its own, so that
// compressing a large document never holds up drawing. Only the newest
// request counts: one still waiting is replaced by a newer snapshot or by a
// removal, and requests are carried out in the order they were made.
//
// The memory of a written snapshot is kept for the next capture, and the
// thread makes memory ready ahead of the first one, so that taking a
// snapshot costs the drawing thread a copy into memory already in use.
class CRecoverySnapshotWriter {
public:
    explicit CRecoverySnapshotWriter(std::filesystem::path target);
    // Carries out what is still asked for, then ends the thread.
    ~CRecoverySnapshotWriter();
    CRecoverySnapshotWriter(const CRecoverySnapshotWriter&) = delete;
    CRecoverySnapshotWriter& operator=(const CRecoverySnapshotWriter&) = delete;

    void Write(recovery::SCapturedSnapshot snapshot);
    void Remove();
    // Makes memory for a capture of the size ready, when there is none as
    // large, while nothing else is asked for.
    void Prepare(size_t size);
    // The memory ready for the next capture; none while the thread uses it.
    recovery::SSnapshotMemory TakeMemory();
    // Returns once every request made so far is carried out.
    void Flush();

    const std::filesystem::path& GetTarget() const { return m_target; }

private:
    struct SRequest {
        std::optional<recovery::SCapturedSnapshot> snapshot;  // nothing: remove the file
    };

    void Ask(SRequest request);
    void StartThread();
    void Run();
    void CarryOut(const SRequest& request) const;

    const std::filesystem::path m_target;
    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::optional<SRequest> m_waiting;
    size_t m_preparedSize = 0;  // asked for and not yet made ready
    recovery::SSnapshotMemory m_memory;
    bool m_busy = false;
    bool m_stopping = false;
    std::thread m_thread;  // started by the first request
};
