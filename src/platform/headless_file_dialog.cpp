#include "platform/headless_file_dialog.h"

std::optional<std::filesystem::path> CHeadlessFileDialog::Run(const SFileDialogRequest& request)
{
    m_requests.push_back(request);
    if (m_script.empty()) {
        return std::nullopt;
    }
    std::optional<std::filesystem::path> answer = std::move(m_script.front());
    m_script.pop_front();
    return answer;
}
