#pragma once

#include <array>
#include <filesystem>

#include <string>

#include "bars/custom_bar.h"

class CIconManager;
class CMenuManager;
class IModalDialogs;

// The customise dialog: the buttons of each of the seven bars, chosen from
// the buttons bars may carry and put in order. OK writes the files of the
// bars that changed.
class CToolBarCustomizeDlg {
public:
    // Starts from every bar's file (its defaults where there is none).
    CToolBarCustomizeDlg(std::filesystem::path settingsDirectory, const CMenuManager& menus,
                         const CIconManager& icons);

    // True when the user confirmed and every changed bar was saved.
    bool DoModal(IModalDialogs& dialogs);

    int GetBar() const { return m_bar; }
    void SelectBar(int bar) { m_bar = bar; }
    const CustomBarButtons& GetButtons() const { return m_buttons[size_t(m_bar)]; }

    // Edits of the selected bar. Positions out of range change nothing.
    // A button ID no bar may carry (other than kBarSeparator) is refused.
    void Insert(int position, unsigned id);
    void Remove(int position);
    // Moves the button by one place towards the start (-1) or the end (+1).
    void Move(int position, int step);
    void RestoreDefaults();

    // What the form shows of a button: its name and its icon.
    std::string GetLabel(unsigned id) const;
    const CIconManager& GetIcons() const { return m_icons; }

    // Writes the files of the bars that changed; false when one failed.
    bool Save() const;

private:
    CustomBarButtons& Buttons() { return m_buttons[size_t(m_bar)]; }

    std::filesystem::path m_settingsDirectory;
    const CMenuManager& m_menus;
    const CIconManager& m_icons;
    std::array<CustomBarButtons, kToolBarCount> m_buttons;
    std::array<bool, kToolBarCount> m_changed{};
    int m_bar = kMainToolBar;
};
