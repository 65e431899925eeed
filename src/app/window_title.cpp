#include "app/window_title.h"

#include "app/stipplebox_app.h"

std::string GetDocumentDisplayName(const std::filesystem::path& path)
{
    const std::string& text = path.native();
    const size_t separator = text.find_last_of("\\/:");
    std::string name = separator == std::string::npos ? text : text.substr(separator + 1);
    return name.empty() ? "新しい画像" : name;
}

std::string FormatWindowTitle(const std::filesystem::path& path, bool modified)
{
    return GetDocumentDisplayName(path) + (modified ? " *" : "") + " - " + CStippleboxApp::kAppName;
}
