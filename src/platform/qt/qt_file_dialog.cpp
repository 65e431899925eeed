#include "platform/qt/qt_file_dialog.h"

#include <QFileDialog>

QStringList CQtFileDialog::ToNameFilters(const std::string& filter)
{
    const QStringList parts = QString::fromStdString(filter).split('|');
    QStringList nameFilters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        if (parts[i].isEmpty()) {
            break;  // the closing "|"
        }
        QString patterns = parts[i + 1];
        nameFilters.append(parts[i] + " (" + patterns.replace(';', ' ') + ")");
    }
    return nameFilters;
}

std::optional<std::filesystem::path> CQtFileDialog::Run(const SFileDialogRequest& request)
{
    const bool save = request.kind == SFileDialogRequest::Kind::Save;
    QFileDialog dialog(m_parent);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    const QStringList nameFilters = ToNameFilters(request.filter);
    dialog.setNameFilters(nameFilters);
    if (request.selectedFilter >= 1 && request.selectedFilter <= nameFilters.size()) {
        dialog.selectNameFilter(nameFilters[request.selectedFilter - 1]);
    }
    if (save && !request.initialFileName.empty()) {
        dialog.selectFile(QString::fromStdString(request.initialFileName));
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return std::filesystem::path(dialog.selectedFiles().constFirst().toStdString());
}
