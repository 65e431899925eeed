#pragma once

#include "platform/message_box.h"

class QWidget;

// Message boxes as Qt dialogs, modal to the given parent window.
class CQtMessageBox final : public IMessageBox {
public:
    explicit CQtMessageBox(QWidget* parent = nullptr) : m_parent(parent) {}
    void SetParent(QWidget* parent) { m_parent = parent; }

    MessageBoxAnswer Show(const std::string& text, MessageBoxButtons buttons, MessageBoxIcon icon) override;

private:
    QWidget* m_parent;
};
