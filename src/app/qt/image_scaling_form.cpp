#include "app/qt/image_scaling_form.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

#include "app/image_scaling_dlg.h"
#include "app/qt/form_fields.h"

CImageScalingForm::CImageScalingForm(CImageScalingDlg& dialog, QWidget* parent)
    : QDialog(parent),
      m_dialog(dialog),
      m_width(MakeIntegerField(CImageScalingDlg::kMinSize, CImageScalingDlg::kMaxSize, dialog.GetNewSize().cx, this)),
      m_height(MakeIntegerField(CImageScalingDlg::kMinSize, CImageScalingDlg::kMaxSize, dialog.GetNewSize().cy, this)),
      m_keepAspect(new QCheckBox("縦横比を保持", this)),
      m_interpolate(new QCheckBox("線形補間", this))
{
    setWindowTitle("拡大・縮小");
    auto* source = new QGroupBox("元のサイズ", this);
    auto* sourceFields = new QFormLayout(source);
    sourceFields->addRow("幅", MakeReadOnlyField(dialog.GetSourceSize().cx, source));
    sourceFields->addRow("高さ", MakeReadOnlyField(dialog.GetSourceSize().cy, source));

    auto* next = new QGroupBox("新しいサイズ", this);
    auto* nextFields = new QFormLayout(next);
    nextFields->addRow("幅", m_width);
    nextFields->addRow("高さ", m_height);
    nextFields->addRow(m_keepAspect);
    nextFields->addRow(m_interpolate);
    m_keepAspect->setChecked(dialog.IsKeepingAspect());
    m_interpolate->setChecked(dialog.IsInterpolating());
    m_interpolate->hide();

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(source);
    layout->addWidget(next);
    AddOkCancelButtons(*this, *layout);

    connect(m_width, &QSpinBox::valueChanged, this, [this](int width) {
        m_dialog.SetNewWidth(width);
        ShowNewSize();
    });
    connect(m_height, &QSpinBox::valueChanged, this, [this](int height) {
        m_dialog.SetNewHeight(height);
        ShowNewSize();
    });
    connect(m_keepAspect, &QCheckBox::toggled, this, [this](bool keep) {
        m_dialog.SetKeepAspect(keep);
        ShowNewSize();
    });
}

void CImageScalingForm::ShowNewSize()
{
    const QSignalBlocker widthQuiet(m_width);
    const QSignalBlocker heightQuiet(m_height);
    m_width->setValue(m_dialog.GetNewSize().cx);
    m_height->setValue(m_dialog.GetNewSize().cy);
}

void CImageScalingForm::accept()
{
    m_dialog.SetInterpolate(m_interpolate->isChecked());
    QDialog::accept();
}
