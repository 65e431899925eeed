#pragma once

#include <filesystem>
#include <optional>
#include <string>

// Where the program keeps its settings files: "IniFiles" beside the executable
// when that folder already exists and is writable (a portable copy), otherwise
// $XDG_CONFIG_HOME/stipplebox/IniFiles, or ~/.config/stipplebox/IniFiles when
// XDG_CONFIG_HOME is unset or empty.
struct SSettingsLocationInputs {
    std::filesystem::path executableDirectory;
    std::optional<std::string> xdgConfigHome;
    std::optional<std::string> home;
};

std::filesystem::path ChooseSettingsDirectory(const SSettingsLocationInputs& inputs);

// The inputs of the running process: its executable's folder and environment.
SSettingsLocationInputs GetProcessSettingsLocationInputs();
