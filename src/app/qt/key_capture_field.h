#pragma once

#include <QLineEdit>
#include <optional>

#include "platform/qt/qt_virtual_keys.h"

// A field that takes the next key pressed in it (Tab and Esc included) and
// shows it as the key settings name it. For a shortcut it waits for a key
// that is not a modifier and keeps the modifiers held with it; for a
// sub-key it takes any single key, modifiers included, alone.
class CKeyCaptureField final : public QLineEdit {
    Q_OBJECT

public:
    enum class EMode { Shortcut, SingleKey };

    explicit CKeyCaptureField(EMode mode, QWidget* parent = nullptr);

    const std::optional<SVirtualKeyPress>& GetKey() const { return m_key; }
    void Clear();

signals:
    void KeyCaptured();

protected:
    bool event(QEvent* event) override;

private:
    EMode m_mode;
    std::optional<SVirtualKeyPress> m_key;
};
