#include "app/qt/tool_sub_key_form.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "app/qt/form_fields.h"
#include "app/qt/key_capture_field.h"
#include "app/tool_sub_key_dlg.h"

CToolSubKeyForm::CToolSubKeyForm(CToolSubKeyDlg& dialog, QWidget* parent)
    : QDialog(parent),
      m_dialog(dialog),
      m_list(new QTreeWidget(this)),
      m_keyField(new CKeyCaptureField(CKeyCaptureField::EMode::SingleKey, this))
{
    setWindowTitle("ツール補助キー");
    m_list->setHeaderLabels({"機能", "キー"});
    m_list->setRootIsDecorated(false);
    for (const CToolSubKey::SItem& item : dialog.GetSubKeys().GetItems()) {
        new QTreeWidgetItem(m_list, {QString::fromStdString(item.label)});
    }
    m_list->setCurrentItem(m_list->topLevelItem(0));

    auto* none = new QPushButton("なし", this);
    auto* reset = new QPushButton("初期設定に戻す", this);
    auto* keyRow = new QHBoxLayout;
    keyRow->addWidget(new QLabel("押している間に働くキー", this));
    keyRow->addWidget(m_keyField, 1);
    keyRow->addWidget(none);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_list, 1);
    layout->addLayout(keyRow);
    layout->addWidget(reset, 0, Qt::AlignLeft);
    AddOkCancelButtons(*this, *layout);
    resize(420, 260);

    connect(m_keyField, &CKeyCaptureField::KeyCaptured, this, [this] { SetChosenKey(m_keyField->GetKey()->key); });
    connect(none, &QPushButton::clicked, this, [this] { SetChosenKey(0); });
    connect(reset, &QPushButton::clicked, this, [this] {
        m_dialog.ResetToDefaults();
        ShowKeys();
    });
    connect(m_list, &QTreeWidget::currentItemChanged, this, [this] { m_keyField->Clear(); });
    ShowKeys();
}

void CToolSubKeyForm::ShowKeys()
{
    for (int i = 0; i < m_list->topLevelItemCount(); ++i) {
        m_list->topLevelItem(i)->setText(1, QString::fromStdString(m_dialog.GetSubKeys().GetKeyText(size_t(i))));
    }
}

void CToolSubKeyForm::SetChosenKey(uint8_t key)
{
    const int chosen = m_list->indexOfTopLevelItem(m_list->currentItem());
    if (chosen >= 0) {
        m_dialog.GetSubKeys().SetKey(size_t(chosen), key);
        ShowKeys();
    }
}
