#include "platform/file_dialog.h"

namespace {

class CCancellingFileDialog final : public IFileDialog {
public:
    std::optional<SFileDialogChoice> Run(const SFileDialogRequest&) override { return std::nullopt; }
};

CCancellingFileDialog g_cancellingFileDialog;
IFileDialog* g_fileDialog = nullptr;

}  // namespace

IFileDialog& GetFileDialog()
{
    return g_fileDialog != nullptr ? *g_fileDialog : g_cancellingFileDialog;
}

void SetFileDialog(IFileDialog* fileDialog)
{
    g_fileDialog = fileDialog;
}
