#include "app/qt/delay_all_form.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "app/delay_all_dlg.h"
#include "app/qt/form_fields.h"

CDelayAllForm::CDelayAllForm(CDelayAllDlg& dialog, QWidget* parent) : QDialog(parent)
{
    setWindowTitle("全ディレイ一括変更");
    auto* fields = new QHBoxLayout;
    fields->addWidget(new QLabel("ディレイ :", this));
    fields->addLayout(MakeDelayRow(dialog, this), 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    AddOkCancelButtons(*this, *layout);
}
