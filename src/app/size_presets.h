#pragma once

#include <optional>
#include <string>
#include <vector>

#include "model/geometry.h"

// The size presets that the new-document and grid dialogs offer: "プリセット"
// (no size) first, then the sizes as "16 x 16".
const std::vector<std::string>& GetSizePresetLabels();
// The numbers before and after the "x"; nothing for a label without a size.
std::optional<CSize> ParseSizePreset(const std::string& label);
// The size of the preset at an index of the labels; nothing for the first
// and for indices outside the list.
std::optional<CSize> GetSizePreset(int index);
