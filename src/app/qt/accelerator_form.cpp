#include "app/qt/accelerator_form.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <QVBoxLayout>

#include "app/accelerator_dlg.h"
#include "app/key_names.h"
#include "app/qt/form_fields.h"
#include "app/qt/key_capture_field.h"

namespace {

constexpr int kCommandRole = Qt::UserRole;
constexpr int kKeyRole = Qt::UserRole + 1;

QString Text(const std::string& text)
{
    return QString::fromStdString(text);
}

}  // namespace

CAcceleratorForm::CAcceleratorForm(CAcceleratorDlg& dialog, QWidget* parent)
    : QDialog(parent),
      m_dialog(dialog),
      m_tree(new QTreeWidget(this)),
      m_keys(new QListWidget(this)),
      m_keyField(new CKeyCaptureField(CKeyCaptureField::EMode::Shortcut, this)),
      m_owner(new QLabel(this)),
      m_add(new QPushButton("追加", this)),
      m_remove(new QPushButton("削除", this))
{
    setWindowTitle("ショートカットキー");
    m_tree->setHeaderLabels({"コマンド", "キー"});
    m_tree->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    m_tree->header()->setStretchLastSection(false);
    m_tree->header()->resizeSection(1, 180);
    AddItems(nullptr, dialog.GetMenu());
    m_tree->expandAll();

    auto* reset = new QPushButton("初期設定に戻す", this);
    auto* keyButtons = new QHBoxLayout;
    keyButtons->addWidget(m_keyField, 1);
    keyButtons->addWidget(m_add);
    keyButtons->addWidget(m_remove);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_tree, 1);
    layout->addWidget(new QLabel("割り当てられたキー", this));
    layout->addWidget(m_keys);
    layout->addLayout(keyButtons);
    layout->addWidget(m_owner);
    layout->addWidget(reset, 0, Qt::AlignLeft);
    AddOkCancelButtons(*this, *layout);
    // Room for four keys; few commands have more.
    m_keys->setFixedHeight(m_keys->fontMetrics().height() * 4 + 2 * m_keys->frameWidth() + 8);
    resize(520, 640);

    connect(m_tree, &QTreeWidget::currentItemChanged, this, [this] { ShowKeys(); });
    connect(m_keys, &QListWidget::currentRowChanged, this,
            [this] { m_remove->setEnabled(m_keys->currentItem() != nullptr); });
    connect(m_keyField, &CKeyCaptureField::KeyCaptured, this, [this] { ShowKeyOwner(); });
    connect(m_add, &QPushButton::clicked, this, [this] { AddKey(); });
    connect(m_remove, &QPushButton::clicked, this, [this] { RemoveKey(); });
    connect(reset, &QPushButton::clicked, this, [this] { ResetToDefaults(); });
    ShowKeys();
}

void CAcceleratorForm::AddItems(QTreeWidgetItem* parent, const std::vector<SMenuItem>& items)
{
    for (const SMenuItem& item : items) {
        if (item.IsSeparator()) {
            continue;
        }
        auto* node = parent != nullptr ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(m_tree);
        node->setText(0, Text(item.label));
        if (item.IsSubmenu()) {
            AddItems(node, item.items);
        } else {
            node->setData(0, kCommandRole, item.id);
            node->setText(1, Text(m_dialog.GetKeys().GetKeyText(uint16_t(item.id))));
        }
    }
}

uint16_t CAcceleratorForm::ChosenCommand() const
{
    const QTreeWidgetItem* item = m_tree->currentItem();
    return item != nullptr ? uint16_t(item->data(0, kCommandRole).toUInt()) : 0;
}

void CAcceleratorForm::ShowKeys()
{
    // Every command's keys may have changed, since a key moves between commands.
    for (QTreeWidgetItemIterator it(m_tree); *it != nullptr; ++it) {
        if (const uint16_t command = uint16_t((*it)->data(0, kCommandRole).toUInt()); command != 0) {
            (*it)->setText(1, Text(m_dialog.GetKeys().GetKeyText(command)));
        }
    }
    m_keys->clear();
    const uint16_t command = ChosenCommand();
    for (const CAccelerator::SKey& key : m_dialog.GetKeys().GetKeys(command)) {
        auto* row = new QListWidgetItem(Text(GetKeyBindingText(key.key, key.modifiers)), m_keys);
        row->setData(kKeyRole, (key.key << 8) | key.modifiers);
    }
    m_add->setEnabled(command != 0 && m_keyField->GetKey().has_value());
    m_remove->setEnabled(false);
    ShowKeyOwner();
}

void CAcceleratorForm::ShowKeyOwner()
{
    const std::optional<SVirtualKeyPress>& key = m_keyField->GetKey();
    const uint16_t owner = key ? m_dialog.GetKeys().FindCommand(key->key, key->modifiers) : 0;
    m_owner->setText(owner != 0 ? "現在の割り当て: " + Text(m_dialog.GetCommandLabel(owner)) : QString());
    m_add->setEnabled(ChosenCommand() != 0 && key.has_value() && owner != ChosenCommand());
}

void CAcceleratorForm::AddKey()
{
    if (const std::optional<SVirtualKeyPress>& key = m_keyField->GetKey(); key && ChosenCommand() != 0) {
        m_dialog.AssignKey(ChosenCommand(), key->key, key->modifiers);
        ShowKeys();
    }
}

void CAcceleratorForm::RemoveKey()
{
    if (const QListWidgetItem* row = m_keys->currentItem()) {
        const int key = row->data(kKeyRole).toInt();
        m_dialog.RemoveKey(ChosenCommand(), uint8_t(key >> 8), uint8_t(key & 0xFF));
        ShowKeys();
    }
}

void CAcceleratorForm::ResetToDefaults()
{
    m_dialog.ResetToDefaults();
    ShowKeys();
}
