#include "platform/headless_file_dialog.h"

std::optional<SFileDialogChoice> CHeadlessFileDialog::Run(const SFileDialogRequest& request)
{
    m_requests.push_back(request);
    if (m_script.empty()) {
        return std::nullopt;
    }
    SAnswer answer = std::move(m_script.front());
    m_script.pop_front();
    if (!answer.path) {
        return std::nullopt;
    }
    return SFileDialogChoice{std::move(*answer.path), answer.filter != 0 ? answer.filter : request.selectedFilter};
}
