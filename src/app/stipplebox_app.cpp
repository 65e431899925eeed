#include "app/stipplebox_app.h"

#include <system_error>

#include "platform/settings_directory.h"

void CStippleboxApp::InitInstance(const SSettingsLocationInputs& inputs)
{
    m_settingsDirectory = ChooseSettingsDirectory(inputs);
    std::error_code error;
    std::filesystem::create_directories(m_settingsDirectory / "Dialog", error);
    std::filesystem::create_directories(m_settingsDirectory / "CustomBar", error);
}
