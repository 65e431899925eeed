#include "app/view_profile.h"

#include "app/ini_profile.h"

bool LoadFitToWindow(const std::filesystem::path& file)
{
    bool fit = true;
    CIniProfile(file, true, false).Exchange(false, "View", "FitToWindow", fit);
    return fit;
}

void SaveFitToWindow(const std::filesystem::path& file, bool fit)
{
    CIniProfile(file, false, true).Exchange(true, "View", "FitToWindow", fit);
}
