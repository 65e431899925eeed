#include "app/qt/new_document_form.h"

#include <QComboBox>
#include <QFormLayout>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "app/new_document_dlg.h"
#include "app/qt/form_fields.h"
#include "app/size_presets.h"

namespace {

QSpinBox* MakeSizeField(int value, QWidget* parent)
{
    return MakeIntegerField(CNewDocumentDlg::kMinSize, CNewDocumentDlg::kMaxSize, value, parent);
}

}  // namespace

CNewDocumentForm::CNewDocumentForm(CNewDocumentDlg& dialog, QWidget* parent)
    : QDialog(parent),
      m_dialog(dialog),
      m_width(MakeSizeField(dialog.GetWidth(), this)),
      m_height(MakeSizeField(dialog.GetHeight(), this)),
      m_presets(MakeComboBox(GetSizePresetLabels(), 0, this)),
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
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    AddOkCancelButtons(*this, *layout);
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
