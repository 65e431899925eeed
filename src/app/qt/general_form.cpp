#include "app/qt/general_form.h"

#include <QCheckBox>
#include <QVBoxLayout>

#include "app/general_dlg.h"
#include "app/qt/form_fields.h"

CGeneralForm::CGeneralForm(CGeneralDlg& dialog, QWidget* parent)
    : QDialog(parent),
      m_dialog(dialog),
      m_pickByLongPress(new QCheckBox("長押し時に色を拾う（描画ツールのみ）", this)),
      m_fitToWindow(new QCheckBox("新規作成・開いた画像をウィンドウに合わせて拡大する（x 16 まで）", this))
{
    setWindowTitle("全般");
    m_pickByLongPress->setChecked(dialog.IsPickingByLongPress());
    m_fitToWindow->setChecked(dialog.IsFittingToWindow());
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_pickByLongPress);
    layout->addWidget(m_fitToWindow);
    AddOkCancelButtons(*this, *layout);
}

void CGeneralForm::accept()
{
    m_dialog.SetPickByLongPress(m_pickByLongPress->isChecked());
    m_dialog.SetFitToWindow(m_fitToWindow->isChecked());
    QDialog::accept();
}
