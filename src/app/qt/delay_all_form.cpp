#include "app/qt/delay_all_form.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

#include "app/delay_all_dlg.h"
#include "app/qt/form_fields.h"
#include "model/delay.h"
#include "platform/qt/qt_combo_box.h"

CDelayAllForm::CDelayAllForm(CDelayAllDlg& dialog, QWidget* parent)
    : QDialog(parent),
      m_dialog(dialog),
      m_delay(MakeIntegerField(CDelayAllDlg::kMinDelay, CDelayAllDlg::kMaxDelay, dialog.GetDelay(), this)),
      m_unit(new QComboBox(this))
{
    setWindowTitle("全ディレイ一括変更");
    CQtComboBox units(*m_unit);
    FillDelayUnits(units, dialog.GetUnit());

    auto* fields = new QHBoxLayout;
    fields->addWidget(new QLabel("ディレイ :", this));
    fields->addWidget(m_delay, 1);
    fields->addWidget(m_unit);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    AddOkCancelButtons(*this, *layout);

    connect(m_delay, &QSpinBox::valueChanged, this, [this](int delay) { m_dialog.SetDelay(delay); });
    connect(m_unit, &QComboBox::currentIndexChanged, this, [this](int item) {
        m_dialog.SetUnit(int(m_unit->itemData(item).toLongLong()));
        const QSignalBlocker quiet(m_delay);
        m_delay->setValue(m_dialog.GetDelay());
    });
}
