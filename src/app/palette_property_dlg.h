#pragma once

#include <string>

class IModalDialogs;

// The palette property dialog: the name of the current palette.
class CPalettePropertyDlg {
public:
    static constexpr const char* kTitle = "パレットのプロパティ";
    static constexpr const char* kNameLabel = "パレット名 :";

    explicit CPalettePropertyDlg(std::u16string name) : m_name(std::move(name)) {}

    // Shows the form; true when the user confirmed with OK.
    bool DoModal(IModalDialogs& dialogs);

    // Kept code unit for code unit, as the document stores it.
    const std::u16string& GetName() const { return m_name; }
    void SetName(std::u16string name) { m_name = std::move(name); }

private:
    std::u16string m_name;
};
