#pragma once

#include <filesystem>

struct SSettingsLocationInputs;

// The application object: names the program and makes its settings
// directory (with "Dialog" and "CustomBar" inside) before the main dialog
// runs.
class CStippleboxApp {
public:
    static constexpr char kAppName[] = "Stipple Box 2";

    // Existing directories are no error; a directory that cannot be made
    // leaves the settings unsaved, not the program unusable.
    void InitInstance(const SSettingsLocationInputs& inputs);

    const std::filesystem::path& GetSettingsDirectory() const { return m_settingsDirectory; }

private:
    std::filesystem::path m_settingsDirectory;
};
