#pragma once

#include <deque>
#include <filesystem>
#include <optional>
#include <vector>

#include "platform/file_dialog.h"

// A file dialog for tests and batch tools: records every request and answers
// from a script; an empty script cancels.
class CHeadlessFileDialog final : public IFileDialog {
public:
    std::optional<std::filesystem::path> Run(const SFileDialogRequest& request) override;

    // Queues a chosen path, or nothing for a cancelled dialog.
    void QueueAnswer(std::optional<std::filesystem::path> answer) { m_script.push_back(std::move(answer)); }
    const std::vector<SFileDialogRequest>& GetRequests() const { return m_requests; }

private:
    std::vector<SFileDialogRequest> m_requests;
    std::deque<std::optional<std::filesystem::path>> m_script;
};
