#include "platform/qt/qt_message_box.h"

#include <QApplication>
#include <QMessageBox>

MessageBoxAnswer CQtMessageBox::Show(const std::string& text, MessageBoxButtons buttons, MessageBoxIcon icon)
{
    QMessageBox box(m_parent);
    box.setWindowTitle(QApplication::applicationDisplayName());
    box.setText(QString::fromStdString(text));
    box.setIcon(icon == MessageBoxIcon::Question ? QMessageBox::Question : QMessageBox::NoIcon);
    switch (buttons) {
    case MessageBoxButtons::Ok:
        box.setStandardButtons(QMessageBox::Ok);
        break;
    case MessageBoxButtons::YesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setEscapeButton(QMessageBox::No);
        break;
    case MessageBoxButtons::YesNoCancel:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        box.setEscapeButton(QMessageBox::Cancel);
        break;
    }
    switch (box.exec()) {
    case QMessageBox::Yes:
        return MessageBoxAnswer::Yes;
    case QMessageBox::No:
        return MessageBoxAnswer::No;
    case QMessageBox::Cancel:
        return MessageBoxAnswer::Cancel;
    default:
        return buttons == MessageBoxButtons::Ok ? MessageBoxAnswer::Ok : MessageBoxAnswer::Cancel;
    }
}
