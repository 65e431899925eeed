#include "bars/tool_bar_set.h"

#include "app/ini_profile.h"

namespace {

std::filesystem::path StatePath(const std::filesystem::path& settingsDirectory)
{
    return settingsDirectory / "CustomBar" / "State.ini";
}

}  // namespace

CToolBarSet::CToolBarSet(std::filesystem::path settingsDirectory) : m_settingsDirectory(std::move(settingsDirectory))
{
    for (int bar = 0; bar < kToolBarCount; ++bar) {
        m_shown[size_t(bar)] = GetToolBarInfos()[size_t(bar)].shownByDefault;
    }
}

void CToolBarSet::Load()
{
    CIniProfile profile(StatePath(m_settingsDirectory), true, false);
    for (int bar = 0; bar < kToolBarCount; ++bar) {
        profile.Exchange(false, GetToolBarInfos()[size_t(bar)].fileKey, "Visible", m_shown[size_t(bar)]);
    }
    m_shown[kMainToolBar] = true;
    ReloadButtons();
}

void CToolBarSet::ReloadButtons()
{
    for (int bar = 0; bar < kToolBarCount; ++bar) {
        m_buttons[size_t(bar)] = IsShown(bar) ? LoadBarButtons(m_settingsDirectory, bar) : CustomBarButtons();
    }
}

void CToolBarSet::Toggle(int bar)
{
    const bool shown = !IsShown(bar);
    m_shown[size_t(bar)] = shown;
    m_buttons[size_t(bar)] = shown ? LoadBarButtons(m_settingsDirectory, bar) : CustomBarButtons();
    SaveShownStates();
}

void CToolBarSet::SaveShownStates() const
{
    // The folder is made at start-up, but may have gone since.
    std::error_code ignored;
    std::filesystem::create_directories(StatePath(m_settingsDirectory).parent_path(), ignored);
    CIniProfile profile(StatePath(m_settingsDirectory), false, true);
    for (int bar = 0; bar < kToolBarCount; ++bar) {
        bool shown = IsShown(bar);
        profile.Exchange(true, GetToolBarInfos()[size_t(bar)].fileKey, "Visible", shown);
    }
}
