#include "app/qt/grid_form.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QSpinBox>
#include <QVBoxLayout>

#include "app/grid_dlg.h"
#include "app/qt/form_fields.h"
#include "app/size_presets.h"

CGridForm::CGridForm(CGridDlg& dialog, QWidget* parent)
    : QDialog(parent),
      m_dialog(dialog),
      m_horizontal(
          MakeIntegerField(CGridDlg::kMinInterval, CGridDlg::kMaxInterval, dialog.GetGrid().interval.cx, this)),
      m_vertical(MakeIntegerField(CGridDlg::kMinInterval, CGridDlg::kMaxInterval, dialog.GetGrid().interval.cy, this)),
      m_presets(MakeComboBox(GetSizePresetLabels(), 0, this))
{
    setWindowTitle("グリッド");
    auto* pixelGrid = new QGroupBox("小グリッド", this);
    m_pixelGridZoom = MakeZoomChoice(dialog.GetGrid().pixelGridMinZoom, pixelGrid);
    auto* pixelFields = new QFormLayout(pixelGrid);
    pixelFields->addRow("表示倍率", m_pixelGridZoom);

    auto* intervalGrid = new QGroupBox("中グリッド", this);
    m_intervalGridZoom = MakeZoomChoice(dialog.GetGrid().intervalGridMinZoom, intervalGrid);
    auto* intervalFields = new QFormLayout(intervalGrid);
    intervalFields->addRow("横の間隔", m_horizontal);
    intervalFields->addRow("縦の間隔", m_vertical);
    intervalFields->addRow("", m_presets);
    intervalFields->addRow("表示倍率", m_intervalGridZoom);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pixelGrid);
    layout->addWidget(intervalGrid);
    AddOkCancelButtons(*this, *layout);

    connect(m_presets, &QComboBox::activated, this, [this](int index) {
        m_dialog.SetInterval(m_horizontal->value(), m_vertical->value());
        m_dialog.ChoosePreset(index);
        m_horizontal->setValue(m_dialog.GetGrid().interval.cx);
        m_vertical->setValue(m_dialog.GetGrid().interval.cy);
    });
}

QComboBox* CGridForm::MakeZoomChoice(int limit, QWidget* parent) const
{
    auto* combo = new QComboBox(parent);
    for (const int zoom : m_dialog.GetZoomChoices()) {
        combo->addItem(QString("x %1 以上").arg(zoom), zoom);
    }
    combo->setCurrentIndex(m_dialog.FindZoomChoice(limit));
    return combo;
}

void CGridForm::accept()
{
    m_dialog.SetPixelGridMinZoom(m_pixelGridZoom->currentData().toInt());
    m_dialog.SetIntervalGridMinZoom(m_intervalGridZoom->currentData().toInt());
    m_dialog.SetInterval(m_horizontal->value(), m_vertical->value());
    QDialog::accept();
}
