#pragma once

#include <filesystem>

struct SToolOptions;

// The tools' settings file ("Tool.ini"): section "Draw", key
// "PickByLongDown". A missing value keeps the option as it is.
void LoadToolOptions(const std::filesystem::path& file, SToolOptions& options);
void SaveToolOptions(const std::filesystem::path& file, const SToolOptions& options);
