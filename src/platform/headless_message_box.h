#pragma once

#include <deque>
#include <string>
#include <vector>

#include "platform/message_box.h"

// A message box for tests and batch tools: records every box it is asked to
// show and answers from a script. When the script is used up it answers with
// the fallback answer.
class CHeadlessMessageBox final : public IMessageBox {
public:
    struct SRecord {
        std::string text;
        MessageBoxButtons buttons;
        MessageBoxIcon icon;
    };

    MessageBoxAnswer Show(const std::string& text, MessageBoxButtons buttons,
                          MessageBoxIcon icon) override;

    void QueueAnswer(MessageBoxAnswer answer) { m_script.push_back(answer); }
    void SetFallbackAnswer(MessageBoxAnswer answer) { m_fallback = answer; }

    const std::vector<SRecord>& GetRecords() const { return m_records; }
    void ClearRecords() { m_records.clear(); }

private:
    std::vector<SRecord> m_records;
    std::deque<MessageBoxAnswer> m_script;
    MessageBoxAnswer m_fallback = MessageBoxAnswer::Ok;
};
