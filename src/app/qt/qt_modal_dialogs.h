#pragma once

#include "app/modal_dialogs.h"

class QWidget;

// The dialogs' forms on Qt, modal to the given window.
class CQtModalDialogs final : public IModalDialogs {
public:
    explicit CQtModalDialogs(QWidget* parent = nullptr) : m_parent(parent) {}
    void SetParent(QWidget* parent) { m_parent = parent; }

    bool RunNewDocument(CNewDocumentDlg& dialog) override;

private:
    QWidget* m_parent;
};
