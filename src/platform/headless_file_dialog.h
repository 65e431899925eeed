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
    std::optional<SFileDialogChoice> Run(const SFileDialogRequest& request) override;

    // Queues a chosen path, or nothing for a cancelled dialog, with the
    // filter entry the user left chosen (0: the one the dialog preselected).
    void QueueAnswer(std::optional<std::filesystem::path> answer, int filter = 0)
    {
        m_script.push_back({std::move(answer), filter});
    }
    const std::vector<SFileDialogRequest>& GetRequests() const { return m_requests; }

private:
    struct SAnswer {
        std::optional<std::filesystem::path> path;
        int filter;
    };
    std::vector<SFileDialogRequest> m_requests;
    std::deque<SAnswer> m_script;
};
