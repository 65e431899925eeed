// Recovery snapshots of the open document, and at start the offer to restore
// what an editor that ended without cleaning up left behind.

#include <chrono>
#include <ctime>
#include <memory>

#include "app/document_recovery.h"
#include "app/stipplebox_dlg.h"
#include "app/window_title.h"
#include "formats/recovery_snapshot.h"
#include "model/delay.h"
#include "model/stipplebox_data.h"
#include "platform/message_box.h"

namespace {

constexpr int kRecoveryTimer = 1601;

// "2024/05/01 12:34" in local time.
std::string FormatLocalTime(std::filesystem::file_time_type time)
{
    const std::time_t seconds = std::chrono::system_clock::to_time_t(std::chrono::file_clock::to_sys(time));
    std::tm local{};
    localtime_r(&seconds, &local);
    char text[32];
    std::strftime(text, sizeof text, "%Y/%m/%d %H:%M", &local);
    return text;
}

std::string FormatRestoreQuestion(const std::filesystem::path& documentPath, std::filesystem::file_time_type time)
{
    return "保存されないまま終了した画像が残っています。\n\n" + GetDocumentDisplayName(documentPath) + "（" +
           FormatLocalTime(time) +
           " の状態）\n\n復元しますか？\n"
           "「いいえ」を選ぶと破棄します。「キャンセル」を選ぶと残しておき、次の起動時にもう一度確認します。";
}

std::string FormatUnreadableQuestion(const std::string& reason, std::filesystem::file_time_type time)
{
    return "保存されないまま終了した画像の復元用データ（" + FormatLocalTime(time) + "）を読み込めません。\n\n" +
           reason + "\n\n破棄しますか？\n「いいえ」を選ぶと残しておきます。";
}

}  // namespace

void CStippleboxDlg::UpdateRecoverySnapshot()
{
    if (m_recovery == nullptr) {
        return;
    }
    const std::optional<CDocumentRecovery::Clock::duration> wait = m_recovery->Update(
        {*m_document, m_documentPath, m_commandManager->IsModified(), m_commandManager->GetEditGeneration()});
    if (wait) {
        m_host->SetTimer(kRecoveryTimer,
                         int(std::chrono::ceil<std::chrono::milliseconds>(*wait).count()));
    }
}

void CStippleboxDlg::OnTimer(int id)
{
    if (id == kRecoveryTimer) {
        m_host->KillTimer(id);
        m_recovery->OnWaitOver();
        UpdateRecoverySnapshot();
    }
}

void CStippleboxDlg::OfferRecovery()
{
    if (m_recovery == nullptr) {
        return;
    }
    // One document at a time: after a restore the others wait for the next start.
    for (CClaimedSnapshot& snapshot : m_recovery->ClaimLeftovers()) {
        if (OfferSnapshot(snapshot)) {
            return;
        }
    }
}

bool CStippleboxDlg::OfferSnapshot(CClaimedSnapshot& snapshot)
{
    // Reading a document sets the delay new layers start with; only a
    // restored one may keep that.
    const int32_t rememberedDelay = CDelay::GetRememberedDelay();
    auto document = std::make_unique<CStippleboxData>();
    std::filesystem::path documentPath;
    std::string error;
    if (!recovery::Read(snapshot.GetPath(), *document, documentPath, error)) {
        if (ShowMessageBox(FormatUnreadableQuestion(error, snapshot.GetTime()), MessageBoxButtons::YesNo,
                           MessageBoxIcon::Question) == MessageBoxAnswer::Yes) {
            snapshot.Discard();
        }
        return false;
    }
    switch (ShowMessageBox(FormatRestoreQuestion(documentPath, snapshot.GetTime()), MessageBoxButtons::YesNoCancel,
                           MessageBoxIcon::Question)) {
    case MessageBoxAnswer::Yes:
        InstallDocument(std::move(document), documentPath);
        m_commandManager->MarkChangedSinceSave();
        m_recovery->Adopt(snapshot, m_commandManager->GetEditGeneration());
        OnDocumentStateChanged();
        return true;
    case MessageBoxAnswer::No:
        snapshot.Discard();
        break;
    default:
        break;
    }
    CDelay::SetRememberedDelay(rememberedDelay);
    return false;
}
