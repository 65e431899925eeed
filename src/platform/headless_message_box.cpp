#include "platform/headless_message_box.h"

MessageBoxAnswer CHeadlessMessageBox::Show(const std::string& text, MessageBoxButtons buttons,
                                           MessageBoxIcon icon)
{
    m_records.push_back({text, buttons, icon});
    if (m_script.empty()) {
        return m_fallback;
    }
    const MessageBoxAnswer answer = m_script.front();
    m_script.pop_front();
    return answer;
}
