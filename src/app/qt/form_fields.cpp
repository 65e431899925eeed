#include "app/qt/form_fields.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QSignalBlocker>
#include <QSpinBox>

#include "app/delay_field.h"
#include "model/delay.h"
#include "platform/qt/qt_combo_box.h"

QSpinBox* MakeIntegerField(int minimum, int maximum, int value, QWidget* parent)
{
    auto* field = new QSpinBox(parent);
    field->setRange(minimum, maximum);
    field->setValue(value);
    return field;
}

QComboBox* MakeComboBox(const std::vector<std::string>& labels, int current, QWidget* parent)
{
    auto* combo = new QComboBox(parent);
    for (const std::string& label : labels) {
        combo->addItem(QString::fromStdString(label));
    }
    combo->setCurrentIndex(current);
    return combo;
}

QSpinBox* MakeReadOnlyField(int value, QWidget* parent)
{
    QSpinBox* field = MakeIntegerField(value, value, value, parent);
    field->setReadOnly(true);
    field->setButtonSymbols(QAbstractSpinBox::NoButtons);
    return field;
}

QHBoxLayout* MakeDelayRow(CDelayField& field, QWidget* parent)
{
    QSpinBox* delay = MakeIntegerField(CDelayField::kMinDelay, CDelayField::kMaxDelay, field.GetDelay(), parent);
    auto* unit = new QComboBox(parent);
    CQtComboBox units(*unit);
    FillDelayUnits(units, field.GetUnit());
    QObject::connect(delay, &QSpinBox::valueChanged, parent, [&field](int value) { field.SetDelay(value); });
    QObject::connect(unit, &QComboBox::currentIndexChanged, parent, [&field, delay, unit](int item) {
        field.SetUnit(int(unit->itemData(item).toLongLong()));
        const QSignalBlocker quiet(delay);
        delay->setValue(field.GetDelay());
    });
    auto* row = new QHBoxLayout;
    row->addWidget(delay, 1);
    row->addWidget(unit);
    return row;
}

void AddOkCancelButtons(QDialog& form, QBoxLayout& layout)
{
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &form);
    layout.addWidget(buttons);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &form, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &form, &QDialog::reject);
}
