#include "app/qt/palette_property_form.h"

#include <QFormLayout>
#include <QLineEdit>
#include <QVBoxLayout>

#include "app/palette_property_dlg.h"
#include "app/qt/form_fields.h"

CPalettePropertyForm::CPalettePropertyForm(CPalettePropertyDlg& dialog, QWidget* parent)
    : QDialog(parent), m_dialog(dialog), m_name(new QLineEdit(QString::fromStdU16String(dialog.GetName()), this))
{
    setWindowTitle(CPalettePropertyDlg::kTitle);
    auto* fields = new QFormLayout;
    fields->addRow(CPalettePropertyDlg::kNameLabel, m_name);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    AddOkCancelButtons(*this, *layout);
}

void CPalettePropertyForm::accept()
{
    m_dialog.SetName(m_name->text().toStdU16String());
    QDialog::accept();
}
