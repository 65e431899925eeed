#pragma once

#include <QObject>
#include <map>

#include "platform/keyboard.h"

class ICommandTarget;
class QKeyEvent;
class QWidget;

// Hands every key event of one window and its children to the command
// target as keyboard messages, before any widget sees them; the target
// decides whether they go on. A key is released with the virtual key it was
// pressed with, even when the modifiers changed between; keys still down
// when the window loses the keyboard are released then, so none stays held.
class CQtKeyFilter final : public QObject {
    Q_OBJECT

public:
    CQtKeyFilter(QWidget& window, ICommandTarget& target);
    ~CQtKeyFilter() override;

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool OnKey(const QKeyEvent& event);
    void ReleaseAllKeys();

    QWidget& m_window;
    ICommandTarget& m_target;
    std::map<quint32, SKeyMessage> m_down;  // the presses of the keys down, by physical key
};
