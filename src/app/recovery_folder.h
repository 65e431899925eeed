#pragma once

#include <filesystem>
#include <string>
#include <vector>

// A snapshot that an editor which ended without cleaning up left behind,
// claimed by this editor: no other editor offers it until the claim ends.
// Ending the claim without Discard or Adopt keeps it for a later start.
class CClaimedSnapshot {
public:
    CClaimedSnapshot(std::filesystem::path snapshot, std::filesystem::path lock, int lockDescriptor);
    ~CClaimedSnapshot();
    CClaimedSnapshot(CClaimedSnapshot&& other) noexcept;
    CClaimedSnapshot& operator=(CClaimedSnapshot&& other) noexcept;

    const std::filesystem::path& GetPath() const { return m_snapshot; }
    std::filesystem::file_time_type GetTime() const { return m_time; }

    // Deletes the snapshot and ends its session.
    void Discard();
    // Moves the snapshot to the target, which this editor's own snapshots
    // replace from now on, and ends its old session.
    bool AdoptAs(const std::filesystem::path& target);

private:
    void EndSession();

    std::filesystem::path m_snapshot;
    std::filesystem::path m_lock;
    int m_lockDescriptor;
    std::filesystem::file_time_type m_time;
};

// The folder where editors keep their recovery snapshots, one session per
// running editor. Each editor holds an exclusive lock on a file named after
// its session for as long as it runs, and the system drops that lock however
// the editor ends; a snapshot whose session nobody holds is left over.
class CRecoveryFolder {
public:
    // Makes the folder and opens a session; without a usable folder the
    // editor runs without snapshots.
    explicit CRecoveryFolder(std::filesystem::path folder);
    // Drops the lock and leaves the files, as an editor that is killed does.
    ~CRecoveryFolder();
    CRecoveryFolder(const CRecoveryFolder&) = delete;
    CRecoveryFolder& operator=(const CRecoveryFolder&) = delete;

    bool IsUsable() const { return m_lockDescriptor >= 0; }
    std::filesystem::path GetSnapshotPath() const;
    // Removes the session's files: a clean end.
    void EndSession();

    // Claims the snapshots of sessions that nobody holds, newest first, and
    // clears away what such sessions left besides.
    std::vector<CClaimedSnapshot> ClaimLeftovers();

private:
    std::filesystem::path PathOf(const std::string& session, const char* extension) const;

    std::filesystem::path m_folder;
    std::string m_session;
    int m_lockDescriptor = -1;
};
