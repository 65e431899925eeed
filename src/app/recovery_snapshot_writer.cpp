#include "app/recovery_snapshot_writer.h"

#include <string>
#include <system_error>

CRecoverySnapshotWriter::CRecoverySnapshotWriter(std::filesystem::path target) : m_target(std::move(target)) {}

CRecoverySnapshotWriter::~CRecoverySnapshotWriter()
{
    {
        const std::lock_guard lock(m_mutex);
        m_stopping = true;
    }
    m_changed.notify_all();
    if (m_thread.joinable()) {
        m_thread.join();
    }
}

void CRecoverySnapshotWriter::Write(recovery::SCapturedSnapshot snapshot)
{
    Ask({std::move(snapshot)});
}

void CRecoverySnapshotWriter::Remove()
{
    Ask({});
}

void CRecoverySnapshotWriter::Flush()
{
    std::unique_lock lock(m_mutex);
    m_changed.wait(lock, [this] { return !m_waiting && !m_busy; });
}

void CRecoverySnapshotWriter::Ask(SRequest request)
{
    {
        const std::lock_guard lock(m_mutex);
        m_waiting = std::move(request);
        if (!m_thread.joinable()) {
            m_thread = std::thread(&CRecoverySnapshotWriter::Run, this);
        }
    }
    m_changed.notify_all();
}

void CRecoverySnapshotWriter::Run()
{
    std::unique_lock lock(m_mutex);
    for (;;) {
        m_changed.wait(lock, [this] { return m_waiting || m_stopping; });
        if (!m_waiting) {
            return;
        }
        const SRequest request = std::move(*m_waiting);
        m_waiting.reset();
        m_busy = true;
        lock.unlock();
        CarryOut(request);
        lock.lock();
        m_busy = false;
        m_changed.notify_all();
    }
}

void CRecoverySnapshotWriter::CarryOut(const SRequest& request) const
{
    // A snapshot that cannot be written (a full disk) is no reason to disturb
    // the user: the next change tries again, and a failed write leaves the
    // previous snapshot in place.
    if (request.snapshot) {
        std::string ignored;
        recovery::Write(*request.snapshot, m_target, ignored);
    } else {
        std::error_code ignored;
        std::filesystem::remove(m_target, ignored);
    }
}
