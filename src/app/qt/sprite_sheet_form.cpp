#include "app/qt/sprite_sheet_form.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "app/qt/form_fields.h"
#include "app/sprite_sheet_dlg.h"

CSpriteSheetForm::CSpriteSheetForm(CSpriteSheetDlg& dialog, QWidget* parent)
    : QDialog(parent),
      m_dialog(dialog),
      m_row(new QRadioButton("横一列", this)),
      m_column(new QRadioButton("縦一列", this)),
      m_grid(new QRadioButton("グリッド", this)),
      m_columns(MakeIntegerField(1, CSpriteSheetDlg::kMaxColumns, dialog.GetColumns(), this)),
      m_padding(MakeIntegerField(0, SSpriteSheetLayout::kMaxPadding, dialog.GetPadding(), this))
{
    setWindowTitle(CSpriteSheetDlg::kTitle);
    auto* arrangement = new QGroupBox("フレームの並び", this);
    auto* choices = new QVBoxLayout(arrangement);
    choices->addWidget(m_row);
    choices->addWidget(m_column);
    auto* grid = new QHBoxLayout;
    grid->addWidget(m_grid);
    grid->addWidget(m_columns);
    grid->addStretch(1);
    choices->addLayout(grid);
    const CSpriteSheetDlg::ELayout layout = dialog.GetLayout();
    (layout == CSpriteSheetDlg::kGrid ? m_grid : layout == CSpriteSheetDlg::kColumn ? m_column : m_row)
        ->setChecked(true);
    m_columns->setSuffix(" 列");
    m_columns->setEnabled(m_grid->isChecked());
    connect(m_grid, &QRadioButton::toggled, m_columns, &QSpinBox::setEnabled);

    auto* fields = new QFormLayout;
    m_padding->setSuffix(" ピクセル");
    fields->addRow("フレームの間隔", m_padding);
    auto* outer = new QVBoxLayout(this);
    outer->addWidget(arrangement);
    outer->addLayout(fields);
    AddOkCancelButtons(*this, *outer);
}

void CSpriteSheetForm::accept()
{
    m_dialog.SetLayout(m_grid->isChecked()     ? CSpriteSheetDlg::kGrid
                       : m_column->isChecked() ? CSpriteSheetDlg::kColumn
                                               : CSpriteSheetDlg::kRow);
    m_dialog.SetColumns(m_columns->value());
    m_dialog.SetPadding(m_padding->value());
    QDialog::accept();
}
