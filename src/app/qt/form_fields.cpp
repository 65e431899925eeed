#include "app/qt/form_fields.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QSpinBox>

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

void AddOkCancelButtons(QDialog& form, QBoxLayout& layout)
{
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &form);
    layout.addWidget(buttons);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &form, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &form, &QDialog::reject);
}
