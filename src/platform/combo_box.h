#pragma once

#include <cstdint>
#include <string>

// The part of a drop-down list that the program fills and reads.
class IComboBox {
public:
    virtual ~IComboBox() = default;
    // Appends an item and returns its position.
    virtual int AddString(const std::string& text) = 0;
    virtual void SetItemData(int item, intptr_t data) = 0;
    virtual intptr_t GetItemData(int item) const = 0;
    virtual int GetCount() const = 0;
    virtual void SetCurSel(int item) = 0;
    virtual int GetCurSel() const = 0;
};
