#include "app/recovery_snapshot_writer.h"

#include <new>
#include <string>
#include <system_error>
#include <utility>

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

void CRecoverySnapshotWriter::Prepare(size_t size)
{
    {
        const std::lock_guard lock(m_mutex);
        if (m_memory.capacity >= size || m_preparedSize >= size) {
            return;
        }
        m_preparedSize = size;
        StartThread();
    }
    m_changed.notify_all();
}

recovery::SSnapshotMemory CRecoverySnapshotWriter::TakeMemory()
{
    const std::lock_guard lock(m_mutex);
    return std::move(m_memory);
}

void CRecoverySnapshotWriter::Ask(SRequest request)
{
    {
        const std::lock_guard lock(m_mutex);
        m_waiting = std::move(request);
        StartThread();
    }
    m_changed.notify_all();
}

void CRecoverySnapshotWriter::StartThread()
{
    if (!m_thread.joinable()) {
        m_thread = std::thread(&CRecoverySnapshotWriter::Run, this);
    }
}

void CRecoverySnapshotWriter::Run()
{
    std::unique_lock lock(m_mutex);
    for (;;) {
        m_changed.wait(lock, [this] { return m_waiting || m_preparedSize != 0 || m_stopping; });
        if (m_waiting) {
            SRequest request = std::move(*m_waiting);
            m_waiting.reset();
            m_busy = true;
            lock.unlock();
            CarryOut(request);
            lock.lock();
            m_busy = false;
            if (request.snapshot) {
                m_memory = std::move(request.snapshot->memory);
            }
            m_changed.notify_all();
        } else if (m_preparedSize != 0 && !m_stopping) {
            const size_t size = std::exchange(m_preparedSize, 0);
            lock.unlock();
            recovery::SSnapshotMemory memory;
            try {
                // Zeroed, so that the system hands out every page now, here.
                memory = {std::unique_ptr<uint8_t[]>(new uint8_t[size]()), size};
            } catch (const std::bad_alloc&) {
                // The capture will ask for the memory itself.
            }
            lock.lock();
            if (m_memory.capacity < size) {
                m_memory = std::move(memory);
            }
        } else {
            return;
        }
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
