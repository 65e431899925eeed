#pragma once

#include <filesystem>

// The canvas's desktop settings file ("View.ini"), section "View": whether a
// new or opened picture is shown at the largest zoom at which it fits the
// window ("FitToWindow"; on unless the file says otherwise) rather than at
// zoom 1.
bool LoadFitToWindow(const std::filesystem::path& file);
void SaveFitToWindow(const std::filesystem::path& file, bool fit);
