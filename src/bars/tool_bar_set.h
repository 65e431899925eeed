#pragma once

#include <array>
#include <filesystem>

#include "bars/custom_bar.h"

// Which of the seven tool bars are shown, and the buttons of each shown bar.
// The shown states persist under "Visible" in "CustomBar/State.ini", one
// section per bar named by its file key; the buttons are read from the bars'
// files when a bar is shown.
class CToolBarSet {
public:
    explicit CToolBarSet(std::filesystem::path settingsDirectory);

    // Reads the shown states (defaults for bars the file does not name) and
    // the buttons of the shown bars. The main bar is always shown.
    void Load();
    bool IsShown(int bar) const { return m_shown[size_t(bar)]; }
    const CustomBarButtons& GetButtons(int bar) const { return m_buttons[size_t(bar)]; }
    // Shows a hidden bar with the buttons of its file, or hides a shown one,
    // and saves the shown states.
    void Toggle(int bar);
    // Reads the buttons of every shown bar again, after their files changed.
    void ReloadButtons();

private:
    void SaveShownStates() const;

    std::filesystem::path m_settingsDirectory;
    std::array<bool, kToolBarCount> m_shown{};
    std::array<CustomBarButtons, kToolBarCount> m_buttons;
};
