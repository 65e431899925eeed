#pragma once

#include <optional>
#include <string>

#include "platform/cmd_ui.h"

// Remembers what an update handler set, for tests and for hosts that apply the
// state later. Unset values stay empty.
class CRecordingCmdUI final : public ICmdUI {
public:
    explicit CRecordingCmdUI(unsigned id) : m_id(id) {}

    unsigned GetID() const override { return m_id; }
    void Enable(bool enabled) override { m_enabled = enabled; }
    void SetCheck(bool checked) override { m_checked = checked; }
    void SetText(const std::string& text) override { m_text = text; }

    const std::optional<bool>& GetEnabled() const { return m_enabled; }
    const std::optional<bool>& GetChecked() const { return m_checked; }
    const std::optional<std::string>& GetText() const { return m_text; }

private:
    unsigned m_id;
    std::optional<bool> m_enabled;
    std::optional<bool> m_checked;
    std::optional<std::string> m_text;
};
