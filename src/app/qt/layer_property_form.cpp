#include "app/qt/layer_property_form.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QVBoxLayout>

#include "app/layer_property_dlg.h"
#include "app/qt/form_fields.h"

CLayerPropertyForm::CLayerPropertyForm(CLayerPropertyDlg& dialog, QWidget* parent)
    : QDialog(parent), m_dialog(dialog), m_name(new QLineEdit(QString::fromStdU16String(dialog.GetName()), this))
{
    setWindowTitle(CLayerPropertyDlg::kTitle);
    auto* fields = new QFormLayout;
    fields->addRow(CLayerPropertyDlg::kNameLabel, m_name);
    fields->addRow(CLayerPropertyDlg::kDelayLabel, MakeDelayRow(dialog, this));
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    AddOkCancelButtons(*this, *layout);
}

void CLayerPropertyForm::accept()
{
    m_dialog.SetName(m_name->text().toStdU16String());
    QDialog::accept();
}
