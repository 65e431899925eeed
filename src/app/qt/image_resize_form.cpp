#include "app/qt/image_resize_form.h"

#include <QButtonGroup>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "app/image_resize_dlg.h"
#include "app/qt/form_fields.h"

namespace {

// Where each anchor keeps the picture, as an arrow towards that side.
constexpr const char* kAnchorLabels[CImageResizeDlg::kAnchorCount] = {"↖", "↑", "↗", "←", "・", "→", "↙", "↓", "↘"};

}  // namespace

CImageResizeForm::CImageResizeForm(CImageResizeDlg& dialog, QWidget* parent)
    : QDialog(parent),
      m_dialog(dialog),
      m_width(MakeIntegerField(CImageResizeDlg::kMinSize, CImageResizeDlg::kMaxSize, dialog.GetNewSize().cx, this)),
      m_height(MakeIntegerField(CImageResizeDlg::kMinSize, CImageResizeDlg::kMaxSize, dialog.GetNewSize().cy, this)),
      m_anchors(new QButtonGroup(this))
{
    setWindowTitle("キャンバスの大きさ");
    auto* current = new QGroupBox("現在のサイズ", this);
    auto* currentFields = new QFormLayout(current);
    currentFields->addRow("幅", MakeReadOnlyField(dialog.GetCurrentSize().cx, current));
    currentFields->addRow("高さ", MakeReadOnlyField(dialog.GetCurrentSize().cy, current));

    auto* next = new QGroupBox("新しいサイズ", this);
    auto* nextFields = new QFormLayout(next);
    nextFields->addRow("幅", m_width);
    nextFields->addRow("高さ", m_height);

    auto* anchor = new QGroupBox("基準位置", this);
    auto* grid = new QGridLayout(anchor);
    for (int index = 0; index < CImageResizeDlg::kAnchorCount; ++index) {
        auto* button = new QPushButton(kAnchorLabels[index], anchor);
        button->setCheckable(true);
        // Return still means OK after an anchor was chosen.
        button->setAutoDefault(false);
        button->setFixedSize(36, 36);
        m_anchors->addButton(button, index);
        grid->addWidget(button, index / 3, index % 3);
    }
    m_anchors->button(dialog.GetAnchor())->setChecked(true);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(current);
    layout->addWidget(next);
    layout->addWidget(anchor);
    AddOkCancelButtons(*this, *layout);
}

void CImageResizeForm::accept()
{
    m_dialog.SetNewSize(m_width->value(), m_height->value());
    m_dialog.SetAnchor(m_anchors->checkedId());
    QDialog::accept();
}
