// What a desktop program does beyond the document's lifecycle: files handed
// over at start or dropped on the window, the animated GIF opened as layers
// and the window title that names the document.

#include <memory>

#include "app/stipplebox_dlg.h"
#include "app/window_title.h"
#include "formats/serializer_image_gif_layers.h"
#include "formats/serializer_list.h"
#include "model/stipplebox_data.h"
#include "platform/message_box.h"

void CStippleboxDlg::OnStartup(const std::vector<std::filesystem::path>& files)
{
    OfferRecovery();
    if (!files.empty() && AskSave()) {
        OpenFiles(files);
    }
}

void CStippleboxDlg::OnDropFiles(const std::vector<std::filesystem::path>& files)
{
    if (!files.empty() && AskSave()) {
        OpenFiles(files);
    }
}

void CStippleboxDlg::OpenFiles(const std::vector<std::filesystem::path>& files)
{
    OpenFile(files.front());
    if (files.size() > 1) {
        std::string text = "一度に開ける画像は一つだけです。\n次のファイルは開きませんでした。\n";
        for (auto file = files.begin() + 1; file != files.end(); ++file) {
            text += "\n" + file->string();
        }
        ShowMessageBox(text);
    }
}

void CStippleboxDlg::OnOpenGifLayers()
{
    if (!AskSave()) {
        return;
    }
    CSerializerList gifOnly;
    gifOnly.AddTail(std::make_unique<CSerializerImageGifLayers>());
    const std::filesystem::path path = gifOnly.GetOpenPath();
    if (path.empty()) {
        return;
    }
    auto& reader = static_cast<CSerializerImageGifLayers&>(*gifOnly.GetAt(0));
    auto document = std::make_unique<CStippleboxData>();
    if (!reader.Read(path, document.get(), true)) {
        reader.ShowError(path.string());
        return;
    }
    // The layers are no longer the GIF file: the document starts untitled,
    // so that saving it asks where its layers should go.
    InstallDocument(std::move(document), {});
}

void CStippleboxDlg::OnDocumentStateChanged()
{
    if (m_host == nullptr) {
        return;
    }
    std::string title = FormatWindowTitle(m_documentPath, m_commandManager->IsModified());
    if (title != m_windowTitle) {
        m_windowTitle = std::move(title);
        m_host->SetWindowText(m_windowTitle);
    }
    UpdateRecoverySnapshot();
}
