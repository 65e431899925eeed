#include "platform/qt/qt_file_dialog.h"

#include <QFileDialog>
#include <QRegularExpression>

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

std::optional<SFileDialogChoice> CQtFileDialog::Run(const SFileDialogRequest& request)
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
    if (save) {
        // The dialog adds the extension itself, so that it asks before
        // replacing the file that will really be written.
        const auto useSuffixOf = [&dialog](const QString& nameFilter) {
            const QRegularExpressionMatch match = QRegularExpression(R"(\*\.(\w+))").match(nameFilter);
            dialog.setDefaultSuffix(match.hasMatch() ? match.captured(1) : QString());
        };
        useSuffixOf(dialog.selectedNameFilter());
        QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, useSuffixOf);
    }
    if (save && !request.initialFileName.empty()) {
        dialog.selectFile(QString::fromStdString(request.initialFileName));
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return SFileDialogChoice{std::filesystem::path(dialog.selectedFiles().constFirst().toStdString()),
                             int(nameFilters.indexOf(dialog.selectedNameFilter())) + 1};
}
