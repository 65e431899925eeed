#pragma once

#include "platform/combo_box.h"

class QComboBox;

// IComboBox over a QComboBox that the caller owns.
class CQtComboBox final : public IComboBox {
public:
    explicit CQtComboBox(QComboBox& comboBox) : m_comboBox(comboBox) {}

    int AddString(const std::string& text) override;
    void SetItemData(int item, intptr_t data) override;
    intptr_t GetItemData(int item) const override;
    int GetCount() const override;
    void SetCurSel(int item) override;
    int GetCurSel() const override;

private:
    QComboBox& m_comboBox;
};
