#include "platform/qt/qt_combo_box.h"

#include <QComboBox>

int CQtComboBox::AddString(const std::string& text)
{
    m_comboBox.addItem(QString::fromStdString(text));
    return m_comboBox.count() - 1;
}

void CQtComboBox::SetItemData(int item, intptr_t data)
{
    m_comboBox.setItemData(item, QVariant::fromValue<qlonglong>(data));
}

intptr_t CQtComboBox::GetItemData(int item) const
{
    return static_cast<intptr_t>(m_comboBox.itemData(item).toLongLong());
}

int CQtComboBox::GetCount() const
{
    return m_comboBox.count();
}

void CQtComboBox::SetCurSel(int item)
{
    m_comboBox.setCurrentIndex(item);
}

int CQtComboBox::GetCurSel() const
{
    return m_comboBox.currentIndex();
}
