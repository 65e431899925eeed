#include "bars/qt/tool_bar_customize_form.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/qt/form_fields.h"
#include "bars/custom_bar_button.h"
#include "bars/qt/qt_icons.h"
#include "bars/tool_bar_customize_dlg.h"

namespace {

QListWidgetItem* MakeItem(const CToolBarCustomizeDlg& dialog, unsigned id)
{
    auto* item = new QListWidgetItem(ToQIcon(dialog.GetIcons(), id), QString::fromStdString(dialog.GetLabel(id)));
    item->setData(Qt::UserRole, id);
    return item;
}

}  // namespace

CToolBarCustomizeForm::CToolBarCustomizeForm(CToolBarCustomizeDlg& dialog, QWidget* parent)
    : QDialog(parent), m_dialog(dialog), m_available(new QListWidget(this)), m_current(new QListWidget(this))
{
    setWindowTitle("カスタマイズ");
    std::vector<std::string> names;
    for (const SToolBarInfo& bar : GetToolBarInfos()) {
        names.push_back(bar.name);
    }
    m_bars = MakeComboBox(names, dialog.GetBar(), this);

    m_available->addItem(MakeItem(dialog, kBarSeparator));
    for (const SCustomBarButton& button : GetCustomBarButtons()) {
        m_available->addItem(MakeItem(dialog, button.id));
    }

    auto* add = new QPushButton("追加 →", this);
    auto* remove = new QPushButton("← 削除", this);
    auto* up = new QPushButton("上へ", this);
    auto* down = new QPushButton("下へ", this);
    auto* defaults = new QPushButton("初期状態に戻す", this);
    auto* moves = new QVBoxLayout;
    moves->addStretch();
    for (QPushButton* button : {add, remove, up, down, defaults}) {
        button->setAutoDefault(false);
        moves->addWidget(button);
    }
    moves->addStretch();

    auto* lists = new QGridLayout;
    lists->addWidget(new QLabel("使用できるボタン", this), 0, 0);
    lists->addWidget(new QLabel("ツールバーのボタン", this), 0, 2);
    lists->addWidget(m_available, 1, 0);
    lists->addLayout(moves, 1, 1);
    lists->addWidget(m_current, 1, 2);

    auto* barRow = new QHBoxLayout;
    barRow->addWidget(new QLabel("ツールバー :", this));
    barRow->addWidget(m_bars, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(barRow);
    layout->addLayout(lists);
    AddOkCancelButtons(*this, *layout);

    connect(m_bars, &QComboBox::currentIndexChanged, this, [this](int bar) {
        m_dialog.SelectBar(bar);
        ShowBarButtons(0);
    });
    connect(add, &QPushButton::clicked, this, [this] { AddChosen(); });
    connect(m_available, &QListWidget::itemDoubleClicked, this, [this] { AddChosen(); });
    connect(remove, &QPushButton::clicked, this, [this] { RemoveChosen(); });
    connect(up, &QPushButton::clicked, this, [this] { MoveChosen(-1); });
    connect(down, &QPushButton::clicked, this, [this] { MoveChosen(1); });
    connect(defaults, &QPushButton::clicked, this, [this] {
        m_dialog.RestoreDefaults();
        ShowBarButtons(0);
    });
    ShowBarButtons(0);
    resize(560, 480);
}

void CToolBarCustomizeForm::ShowBarButtons(int selected)
{
    m_current->clear();
    for (const unsigned id : m_dialog.GetButtons()) {
        m_current->addItem(MakeItem(m_dialog, id));
    }
    m_current->setCurrentRow(std::min(selected, m_current->count() - 1));
}

void CToolBarCustomizeForm::AddChosen()
{
    const QListWidgetItem* chosen = m_available->currentItem();
    if (chosen == nullptr) {
        return;
    }
    // In front of the chosen button of the bar, or at its end.
    const int row = m_current->currentRow();
    const int position = row < 0 ? m_current->count() : row + 1;
    m_dialog.Insert(position, chosen->data(Qt::UserRole).toUInt());
    ShowBarButtons(position);
}

void CToolBarCustomizeForm::RemoveChosen()
{
    const int row = m_current->currentRow();
    m_dialog.Remove(row);
    ShowBarButtons(row);
}

void CToolBarCustomizeForm::MoveChosen(int step)
{
    const int row = m_current->currentRow();
    m_dialog.Move(row, step);
    ShowBarButtons(std::clamp(row + step, 0, m_current->count() - 1));
}
