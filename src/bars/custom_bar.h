#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <vector>

// The seven tool bars: their names, the keys of their files and whether they
// show before the user chose otherwise.
struct SToolBarInfo {
    const char* name;
    const char* fileKey;
    bool shownByDefault;
};

inline constexpr int kToolBarCount = 7;
inline constexpr int kMainToolBar = 0;
inline constexpr int kPaletteToolBar = 5;
const std::array<SToolBarInfo, kToolBarCount>& GetToolBarInfos();

// A bar's buttons from left to right: command IDs, with kBarSeparator for a
// gap between groups.
using CustomBarButtons = std::vector<unsigned>;
inline constexpr unsigned kBarSeparator = 0;

CustomBarButtons GetDefaultBarButtons(int bar);

// The bar's file, "CustomBar/<key>.dat" in the settings directory: "SBXBAR",
// a 16-bit version (1), a 32-bit count and that many 32-bit command IDs, all
// little-endian. IDs no bar may carry are dropped on reading; a file of any
// other shape reads as nothing.
std::filesystem::path GetBarFilePath(const std::filesystem::path& settingsDirectory, int bar);
std::optional<CustomBarButtons> ParseBarFile(std::span<const uint8_t> bytes);
std::vector<uint8_t> FormatBarFile(const CustomBarButtons& buttons);
// The bar's buttons from its file, or its defaults when the file is missing
// or damaged.
CustomBarButtons LoadBarButtons(const std::filesystem::path& settingsDirectory, int bar);
// False when the file could not be written; the old one is then untouched.
bool SaveBarButtons(const std::filesystem::path& settingsDirectory, int bar, const CustomBarButtons& buttons);
