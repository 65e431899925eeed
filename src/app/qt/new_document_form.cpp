#include "app/qt/new_document_form.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "app/new_document_dlg.h"

namespace {

QComboBox* MakeComboBox(const std::vector<std::string>& labels, int current, QWidget* parent)
{
    auto* combo = new QComboBox(parent);
    for (const std::string& label : labels) {
        combo->addItem(QString::fromStdString(label));
    }
    combo->setCurrentIndex(current);
    return combo;
}

QSpinBox* MakeSizeField(int value, QWidget* parent)
{
    auto* field = new QSpinBox(parent);
    field->setRange(CNewDocumentDlg::kMinSize, CNewDocumentDlg::kMaxSize);
    field->setValue(value);
    return field;
}

}  // namespace

CNewDocumentForm::CNewDocumentForm(CNewDocumentDlg& dialog, QWidget* parent)
    : QDialog(parent),
      m_dialog(dialog),
      m_width(MakeSizeField(dialog.GetWidth(), this)),
      m_height(MakeSizeField(dialog.GetHeight(), this)),
      m_presets(MakeComboBox(CNewDocumentDlg::GetPresetLabels(), 0, this)),
      m_background(MakeComboBox(CNewDocumentDlg::GetBackgroundLabels(), int(dialog.GetBackground()), this)),
      m_palette(MakeComboBox(CNewDocumentDlg::GetPaletteLabels(), int(dialog.GetPalette()), this))
{
    setWindowTitle("新規作成");
    auto* fields = new QFormLayout;
    fields->addRow("幅", m_width);
    fields->addRow("高さ", m_height);
    fields->addRow("", m_presets);
    fields->addRow("背景色", m_background);
    fields->addRow("パレット", m_palette);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_presets, &QComboBox::activated, this, &CNewDocumentForm::ChoosePreset);
}

void CNewDocumentForm::ChoosePreset(int index)
{
    m_dialog.SetSize(m_width->value(), m_height->value());
    m_dialog.ChoosePreset(index);
    m_width->setValue(m_dialog.GetWidth());
    m_height->setValue(m_dialog.GetHeight());
}

void CNewDocumentForm::accept()
{
    m_dialog.SetSize(m_width->value(), m_height->value());
    m_dialog.SetBackground(ENewDocumentBackground(m_background->currentIndex()));
    m_dialog.SetPalette(ENewDocumentPalette(m_palette->currentIndex()));
    QDialog::accept();
}
