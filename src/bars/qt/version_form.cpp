#include "bars/qt/version_form.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "app/stipplebox_app.h"
#include "bars/qt/qt_icons.h"
#include "bars/version_dlg.h"

CVersionForm::CVersionForm(CVersionDlg& dialog, QWidget* parent) : QDialog(parent)
{
    setWindowTitle("バージョン情報");
    dialog.AddLibrary("Qt", qVersion());

    auto* icon = new QLabel(this);
    if (dialog.GetApplicationIcon() != nullptr) {
        icon->setPixmap(ToQPixmap(*dialog.GetApplicationIcon(), 2));
    }
    icon->setAlignment(Qt::AlignTop);
    QString text = QString("<b>%1</b><br>バージョン %2<br><br>使用しているライブラリ:")
                       .arg(CStippleboxApp::kAppName, QString::fromStdString(dialog.GetVersion()));
    for (const CVersionDlg::SLibrary& library : dialog.GetLibraries()) {
        text += QString("<br>%1 %2").arg(QString::fromStdString(library.name), QString::fromStdString(library.version));
    }
    auto* label = new QLabel(text, this);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* body = new QHBoxLayout;
    body->addWidget(icon);
    body->addSpacing(12);
    body->addWidget(label, 1);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(body);
    layout->addWidget(buttons);
}
