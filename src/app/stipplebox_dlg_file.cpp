// The document's lifecycle: new, open, save, export and exit, with the
// prompts that keep a changed document from being lost.

#include <functional>
#include <new>
#include <optional>
#include <utility>

#include "app/new_document_dlg.h"
#include "app/stipplebox_dlg.h"
#include "app/window_title.h"
#include "bars/command_ids.h"
#include "formats/document_export.h"
#include "formats/serializer_image_gif.h"
#include "model/stipplebox_data.h"
#include "platform/exceptions.h"
#include "platform/message_box.h"

namespace {

constexpr char kUnknownSaveFormat[] = "ファイル形式が判別できませんでした。";

// The operation's result, or nothing when it raised an exception, which has
// then been shown to the user.
std::optional<bool> RunReportingExceptions(const std::function<bool()>& operation)
{
    try {
        return operation();
    } catch (const CException& exception) {
        exception.ReportError();
    } catch (const std::bad_alloc&) {
        CMemoryException().ReportError();
    }
    return std::nullopt;
}

CSerializerImage* FindImageSerializer(const CSerializerList& serializers, const std::filesystem::path& path,
                                      uint32_t mask)
{
    return dynamic_cast<CSerializerImage*>(serializers.Find(path, mask));
}

}  // namespace

void CStippleboxDlg::AddFileCommands()
{
    m_commandMap.Add(kCmdFileNew, [this](unsigned) { OnFileNew(); });
    m_commandMap.Add(kCmdFileOpen, [this](unsigned) { OnFileOpen(); });
    m_commandMap.Add(kCmdOpenGifLayers, [this](unsigned) { OnOpenGifLayers(); });
    m_commandMap.Add(kCmdFileSave, [this](unsigned) { SaveDocument(); });
    m_commandMap.Add(kCmdFileSaveAs, [this](unsigned) { OnFileSaveAs(); });
    m_commandMap.Add(kCmdExportLayers, [this](unsigned) { OnExportLayers(); });
    m_commandMap.Add(kCmdExportAnimatedGif, [this](unsigned) { OnExportAnimatedGif(); });
    m_commandMap.Add(kCmdExit, [this](unsigned) { OnFileExit(); });
}

bool CStippleboxDlg::AskSave()
{
    if (!m_commandManager->IsModified()) {
        return true;
    }
    switch (ShowMessageBox(GetDocumentDisplayName(m_documentPath) + " への変更を保存しますか？",
                           MessageBoxButtons::YesNoCancel, MessageBoxIcon::Question)) {
    case MessageBoxAnswer::Yes:
        return SaveDocument();
    case MessageBoxAnswer::No:
        return true;
    default:
        return false;
    }
}

bool CStippleboxDlg::SaveDocument()
{
    if (m_documentPath.empty()) {
        return OnFileSaveAs();
    }
    CSerializerImage* serializer = FindImageSerializer(m_serializers, m_documentPath, CSerializer::kCanWrite);
    if (serializer == nullptr) {
        ShowMessageBox(kUnknownSaveFormat);
        return false;
    }
    const std::vector<std::string> warnings = GetSaveWarnings(*m_document, serializer->GetStoreFlags());
    if (!warnings.empty() &&
        ShowMessageBox(FormatSaveWarningQuestion(warnings), MessageBoxButtons::YesNo) != MessageBoxAnswer::Yes) {
        return false;
    }
    const std::optional<bool> written =
        RunReportingExceptions([&] { return WriteDocument(*serializer, m_documentPath, *m_document); });
    if (!written.value_or(false)) {
        serializer->ShowError(m_documentPath.string());
        return false;
    }
    m_commandManager->ResetChangeCount();
    return true;
}

bool CStippleboxDlg::OnFileSaveAs()
{
    std::filesystem::path chosen = m_serializers.GetSavePath(m_documentPath);
    if (chosen.empty()) {
        return false;
    }
    std::filesystem::path previous = std::exchange(m_documentPath, std::move(chosen));
    if (SaveDocument()) {
        return true;
    }
    // The path names the file that holds the document; an unsaved one does not.
    m_documentPath = std::move(previous);
    return false;
}

void CStippleboxDlg::OnFileNew()
{
    if (!AskSave()) {
        return;
    }
    CNewDocumentDlg dialog(m_settingsDirectory / "Dialog" / "New.ini");
    if (dialog.DoModal(m_dialogs)) {
        InstallDocument(dialog.CreateDocument(), {});
    }
}

void CStippleboxDlg::OnFileOpen()
{
    if (!AskSave()) {
        return;
    }
    const std::filesystem::path path = m_serializers.GetOpenPath();
    if (!path.empty()) {
        OpenFile(path);
    }
}

void CStippleboxDlg::OpenFile(const std::filesystem::path& path)
{
    CSerializerImage* serializer = FindImageSerializer(m_serializers, path, CSerializer::kCanRead);
    if (serializer == nullptr) {
        ShowMessageBox("画像形式を判別出来ませんでした。\n読み込みを中止します。\n\n" + path.string());
        return;
    }
    auto document = std::make_unique<CStippleboxData>();
    const std::optional<bool> read = RunReportingExceptions([&] { return serializer->Read(path, document.get(), true); });
    if (!read) {
        return;
    }
    if (!*read) {
        serializer->ShowError(path.string());
        return;
    }
    InstallDocument(std::move(document), path);
}

void CStippleboxDlg::OnExportLayers()
{
    const std::filesystem::path path = m_serializers.GetSavePath({});
    if (path.empty()) {
        return;
    }
    CSerializerImage* serializer = FindImageSerializer(m_serializers, path, CSerializer::kCanWrite);
    if (serializer == nullptr) {
        ShowMessageBox(kUnknownSaveFormat);
        return;
    }
    std::filesystem::path failed;
    const std::optional<bool> exported =
        RunReportingExceptions([&] { return ExportNumberedLayers(*serializer, path, *m_document, &failed); });
    if (exported == false) {
        serializer->ShowError(failed.string());
    }
}

void CStippleboxDlg::OnExportAnimatedGif()
{
    CSerializerList gifOnly;
    gifOnly.AddTail(std::make_unique<CSerializerImageGif>());
    const std::filesystem::path path = gifOnly.GetSavePath({});
    if (path.empty()) {
        return;
    }
    auto& gif = static_cast<CSerializerImageGif&>(*gifOnly.GetAt(0));
    const std::optional<bool> written = RunReportingExceptions([&] { return gif.WriteAnimation(path, m_document.get()); });
    if (written == false) {
        gif.ShowError(path.string());
    }
}

void CStippleboxDlg::OnFileExit()
{
    if (AskSave()) {
        m_toolWindows.ExchangeSettings(m_settingsDirectory, true);
        ExchangePaletteWindowState(true);
        ClosePaletteWindow(false);
        m_host->EndDialog();
    }
}
