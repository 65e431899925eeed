#include "app/tool_profile.h"

#include "app/ini_profile.h"
#include "tools/tool_options.h"

namespace {

void Exchange(const std::filesystem::path& file, bool saving, bool& pickByLongPress)
{
    CIniProfile profile(file, !saving, saving);
    profile.Exchange(saving, "Draw", "PickByLongDown", pickByLongPress);
}

}  // namespace

void LoadToolOptions(const std::filesystem::path& file, SToolOptions& options)
{
    Exchange(file, false, options.pickByLongPress);
}

void SaveToolOptions(const std::filesystem::path& file, const SToolOptions& options)
{
    bool pickByLongPress = options.pickByLongPress;
    Exchange(file, true, pickByLongPress);
}
