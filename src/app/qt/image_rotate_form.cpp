#include "app/qt/image_rotate_form.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/image_rotate_dlg.h"
#include "app/qt/form_fields.h"

CImageRotateForm::CImageRotateForm(CImageRotateDlg& dialog, QWidget* parent)
    : QDialog(parent),
      m_dialog(dialog),
      m_angle(new QLineEdit(QString::fromStdString(dialog.GetAngleText()), this)),
      m_right(new QRadioButton("右", this))
{
    setWindowTitle("回転");
    auto* direction = new QGroupBox("方向", this);
    auto* left = new QRadioButton("左", direction);
    m_right->setParent(direction);
    auto* directions = new QHBoxLayout(direction);
    directions->addWidget(left);
    directions->addWidget(m_right);
    (dialog.GetDirection() == CImageRotateDlg::kRight ? m_right : left)->setChecked(true);

    auto* fields = new QFormLayout;
    fields->addRow("角度", m_angle);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(direction);
    layout->addLayout(fields);
    AddOkCancelButtons(*this, *layout);
    m_angle->selectAll();
}

void CImageRotateForm::accept()
{
    m_dialog.SetAngleText(m_angle->text().toStdString());
    m_dialog.SetDirection(m_right->isChecked() ? CImageRotateDlg::kRight : CImageRotateDlg::kLeft);
    QDialog::accept();
}
