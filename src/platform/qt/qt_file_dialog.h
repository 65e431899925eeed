#pragma once

#include <QStringList>

#include "platform/file_dialog.h"

class QWidget;

// The open and save dialogs on Qt. The "label|patterns|" filter pairs become
// name filters "label (patterns)"; the save dialog asks before overwriting.
class CQtFileDialog final : public IFileDialog {
public:
    explicit CQtFileDialog(QWidget* parent = nullptr) : m_parent(parent) {}

    std::optional<SFileDialogChoice> Run(const SFileDialogRequest& request) override;

    static QStringList ToNameFilters(const std::string& filter);

private:
    QWidget* m_parent;
};
