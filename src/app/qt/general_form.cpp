#include "app/qt/general_form.h"

#include <QCheckBox>
#include <QVBoxLayout>

#include "app/general_dlg.h"
#include "app/qt/form_fields.h"

CGeneralForm::CGeneralForm(CGeneralDlg& dialog, QWidget* parent)
    : QDialog(parent), m_dialog(dialog), m_pickByLongPress(new QCheckBox("長押し時に色を拾う（描画ツールのみ）", this))
{
    setWindowTitle("全般");
    m_pickByLongPress->setChecked(dialog.IsPickingByLongPress());
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_pickByLongPress);
    AddOkCancelButtons(*this, *layout);
}

void CGeneralForm::accept()
{
    m_dialog.SetPickByLongPress(m_pickByLongPress->isChecked());
    QDialog::accept();
}
