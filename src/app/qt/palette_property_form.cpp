#include "app/qt/palette_property_form.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QVBoxLayout>

#include "app/palette_property_dlg.h"

CPalettePropertyForm::CPalettePropertyForm(CPalettePropertyDlg& dialog, QWidget* parent)
    : QDialog(parent), m_dialog(dialog), m_name(new QLineEdit(QString::fromStdU16String(dialog.GetName()), this))
{
    setWindowTitle(CPalettePropertyDlg::kTitle);
    auto* fields = new QFormLayout;
    fields->addRow(CPalettePropertyDlg::kNameLabel, m_name);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

void CPalettePropertyForm::accept()
{
    m_dialog.SetName(m_name->text().toStdU16String());
    QDialog::accept();
}
