#include "app/qt/key_capture_field.h"

#include <QKeyEvent>

#include "app/key_names.h"

CKeyCaptureField::CKeyCaptureField(EMode mode, QWidget* parent) : QLineEdit(parent), m_mode(mode)
{
    setReadOnly(true);
    setPlaceholderText("キーを押してください");
}

void CKeyCaptureField::Clear()
{
    m_key.reset();
    clear();
}

bool CKeyCaptureField::event(QEvent* event)
{
    // Every key, before focus changes or the dialog's own keys take it.
    if (event->type() != QEvent::KeyPress) {
        return QLineEdit::event(event);
    }
    const auto& keyEvent = static_cast<const QKeyEvent&>(*event);
    std::optional<SVirtualKeyPress> press = ToVirtualKey(keyEvent.key(), keyEvent.modifiers());
    const bool modifierOnly = press && (press->key == VK_SHIFT || press->key == VK_CONTROL || press->key == VK_MENU);
    if (press && !(m_mode == EMode::Shortcut && modifierOnly)) {
        if (m_mode == EMode::SingleKey) {
            press->modifiers = 0;
        }
        m_key = press;
        setText(QString::fromStdString(GetKeyBindingText(press->key, press->modifiers)));
        emit KeyCaptured();
    }
    return true;
}
