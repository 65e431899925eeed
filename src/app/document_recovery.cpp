#include "app/document_recovery.h"

#include <new>

#include "app/recovery_snapshot_writer.h"
#include "formats/recovery_snapshot.h"
#include "platform/exceptions.h"

CDocumentRecovery::CDocumentRecovery(std::filesystem::path folder, std::function<Clock::time_point()> now)
    : m_folder(std::move(folder)), m_now(std::move(now))
{
    if (m_folder.IsUsable()) {
        m_writer = std::make_unique<CRecoverySnapshotWriter>(m_folder.GetSnapshotPath());
    }
}

CDocumentRecovery::~CDocumentRecovery()
{
    m_writer.reset();  // finishes its work first
    m_folder.EndSession();
}

std::optional<CDocumentRecovery::Clock::duration> CDocumentRecovery::Update(const SDocumentState& state)
{
    if (m_writer == nullptr) {
        return std::nullopt;
    }
    if (!state.modified) {
        if (m_snapshotGeneration) {
            m_writer->Remove();
            m_snapshotGeneration.reset();
        }
        // Memory for the first snapshot of a large document is made ready
        // before the first change asks for it.
        if (const size_t size = recovery::MeasureCapture(state.document, state.path); size >= kPreparedSize) {
            m_writer->Prepare(size);
        }
        return std::nullopt;
    }
    if (m_snapshotGeneration == state.generation) {
        return std::nullopt;
    }
    const Clock::time_point now = m_now();
    if (m_lastSnapshot && now - *m_lastSnapshot < kInterval) {
        if (m_waiting) {
            return std::nullopt;
        }
        m_waiting = true;
        return kInterval - (now - *m_lastSnapshot);
    }
    try {
        m_writer->Write(recovery::Capture(state.document, state.path, m_writer->TakeMemory()));
    } catch (const CException&) {
        return std::nullopt;  // no room for the copy: the next change tries again
    } catch (const std::bad_alloc&) {
        return std::nullopt;
    }
    m_lastSnapshot = now;
    m_snapshotGeneration = state.generation;
    return std::nullopt;
}

void CDocumentRecovery::Adopt(CClaimedSnapshot& snapshot, uint64_t generation)
{
    if (m_writer != nullptr && snapshot.AdoptAs(m_folder.GetSnapshotPath())) {
        m_snapshotGeneration = generation;
    }
}

void CDocumentRecovery::Flush()
{
    if (m_writer != nullptr) {
        m_writer->Flush();
    }
}
