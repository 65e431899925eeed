#include "platform/settings_directory.h"

#include <unistd.h>

#include <cstdlib>
#include <system_error>

namespace {

bool IsWritableDirectory(const std::filesystem::path& path)
{
    std::error_code error;
    return std::filesystem::is_directory(path, error) && ::access(path.c_str(), W_OK | X_OK) == 0;
}

std::optional<std::string> GetEnvironment(const char* name)
{
    const char* value = std::getenv(name);
    if (value == nullptr) {
        return std::nullopt;
    }
    return std::string(value);
}

}  // namespace

std::filesystem::path ChooseSettingsDirectory(const SSettingsLocationInputs& inputs)
{
    // Only a folder someone made on purpose marks a portable copy: a program
    // started from its build folder must not scatter settings there.
    const std::filesystem::path besideExecutable = inputs.executableDirectory / "IniFiles";
    if (IsWritableDirectory(besideExecutable)) {
        return besideExecutable;
    }
    std::filesystem::path configHome;
    if (inputs.xdgConfigHome && !inputs.xdgConfigHome->empty()) {
        configHome = *inputs.xdgConfigHome;
    } else {
        configHome = std::filesystem::path(inputs.home.value_or(".")) / ".config";
    }
    return configHome / "stipplebox" / "IniFiles";
}

SSettingsLocationInputs GetProcessSettingsLocationInputs()
{
    SSettingsLocationInputs inputs;
    std::error_code error;
    const std::filesystem::path executable = std::filesystem::read_symlink("/proc/self/exe", error);
    inputs.executableDirectory = error ? std::filesystem::current_path() : executable.parent_path();
    inputs.xdgConfigHome = GetEnvironment("XDG_CONFIG_HOME");
    inputs.home = GetEnvironment("HOME");
    return inputs;
}
