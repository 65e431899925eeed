#include "app/recovery_folder.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <set>
#include <system_error>
#include <utility>

namespace fs = std::filesystem;

namespace {

constexpr char kLockExtension[] = ".lock";
constexpr char kSnapshotExtension[] = ".sbx";
// A session that has not locked its brand-new file yet looks like a dead one
// without a snapshot; its file is only cleared away once it is this old.
constexpr auto kStaleLockAge = std::chrono::minutes(1);

// The process and the moment it started: unique among the running editors.
std::string MakeSessionName()
{
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    return std::to_string(::getpid()) + "-" +
           std::to_string(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count());
}

bool IsSessionName(const std::string& name)
{
    return !name.empty() && name.find_first_not_of("0123456789-") == std::string::npos;
}

bool IsOlderThan(const fs::path& path, fs::file_time_type::duration age)
{
    std::error_code error;
    const fs::file_time_type time = fs::last_write_time(path, error);
    return !error && time < fs::file_time_type::clock::now() - age;
}

}  // namespace

CClaimedSnapshot::CClaimedSnapshot(fs::path snapshot, fs::path lock, int lockDescriptor)
    : m_snapshot(std::move(snapshot)), m_lock(std::move(lock)), m_lockDescriptor(lockDescriptor)
{
    std::error_code error;
    m_time = fs::last_write_time(m_snapshot, error);
}

CClaimedSnapshot::~CClaimedSnapshot()
{
    if (m_lockDescriptor >= 0) {
        ::close(m_lockDescriptor);
    }
}

CClaimedSnapshot::CClaimedSnapshot(CClaimedSnapshot&& other) noexcept
    : m_snapshot(std::move(other.m_snapshot)), m_lock(std::move(other.m_lock)),
      m_lockDescriptor(std::exchange(other.m_lockDescriptor, -1)), m_time(other.m_time)
{
}

CClaimedSnapshot& CClaimedSnapshot::operator=(CClaimedSnapshot&& other) noexcept
{
    if (this != &other) {
        if (m_lockDescriptor >= 0) {
            ::close(m_lockDescriptor);
        }
        m_snapshot = std::move(other.m_snapshot);
        m_lock = std::move(other.m_lock);
        m_lockDescriptor = std::exchange(other.m_lockDescriptor, -1);
        m_time = other.m_time;
    }
    return *this;
}

void CClaimedSnapshot::Discard()
{
    std::error_code ignored;
    fs::remove(m_snapshot, ignored);
    EndSession();
}

bool CClaimedSnapshot::AdoptAs(const fs::path& target)
{
    std::error_code error;
    fs::rename(m_snapshot, target, error);
    if (error) {
        return false;
    }
    EndSession();
    return true;
}

void CClaimedSnapshot::EndSession()
{
    std::error_code ignored;
    fs::remove(m_lock, ignored);
    if (m_lockDescriptor >= 0) {
        ::close(m_lockDescriptor);
        m_lockDescriptor = -1;
    }
}

CRecoveryFolder::CRecoveryFolder(fs::path folder) : m_folder(std::move(folder)), m_session(MakeSessionName())
{
    std::error_code error;
    fs::create_directories(m_folder, error);
    m_lockDescriptor = ::open(PathOf(m_session, kLockExtension).c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    // Another editor looking for leftovers may hold the new file for a moment.
    if (m_lockDescriptor >= 0 && ::flock(m_lockDescriptor, LOCK_EX) != 0) {
        ::close(m_lockDescriptor);
        m_lockDescriptor = -1;
    }
}

CRecoveryFolder::~CRecoveryFolder()
{
    if (m_lockDescriptor >= 0) {
        ::close(m_lockDescriptor);
    }
}

fs::path CRecoveryFolder::PathOf(const std::string& session, const char* extension) const
{
    return m_folder / (session + extension);
}

fs::path CRecoveryFolder::GetSnapshotPath() const
{
    return PathOf(m_session, kSnapshotExtension);
}

void CRecoveryFolder::EndSession()
{
    if (!IsUsable()) {
        return;
    }
    std::error_code ignored;
    fs::remove(GetSnapshotPath(), ignored);
    fs::remove(PathOf(m_session, kLockExtension), ignored);
    ::close(m_lockDescriptor);
    m_lockDescriptor = -1;
}

std::vector<CClaimedSnapshot> CRecoveryFolder::ClaimLeftovers()
{
    std::set<std::string> sessions;
    std::vector<fs::path> entries;
    std::error_code error;
    for (const fs::directory_entry& entry : fs::directory_iterator(m_folder, error)) {
        const std::string name = entry.path().filename().string();
        const std::string session = name.substr(0, name.find('.'));
        if (session != m_session && IsSessionName(session)) {
            sessions.insert(session);
            entries.push_back(entry.path());
        }
    }
    std::vector<CClaimedSnapshot> claimed;
    for (const std::string& session : sessions) {
        const fs::path lock = PathOf(session, kLockExtension);
        const int descriptor = ::open(lock.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
        if (descriptor < 0) {
            continue;
        }
        if (::flock(descriptor, LOCK_EX | LOCK_NB) != 0) {
            ::close(descriptor);  // its editor is running
            continue;
        }
        // Temporary files of writes that the end of the session cut short.
        const std::string unfinished = session + kSnapshotExtension + ".tmp";
        for (const fs::path& entry : entries) {
            if (entry.filename().string().starts_with(unfinished)) {
                fs::remove(entry, error);
            }
        }
        const fs::path snapshot = PathOf(session, kSnapshotExtension);
        if (fs::exists(snapshot, error)) {
            claimed.emplace_back(snapshot, lock, descriptor);
            continue;
        }
        if (IsOlderThan(lock, kStaleLockAge)) {
            fs::remove(lock, error);
        }
        ::close(descriptor);
    }
    std::sort(claimed.begin(), claimed.end(),
              [](const CClaimedSnapshot& a, const CClaimedSnapshot& b) { return a.GetTime() > b.GetTime(); });
    return claimed;
}
