#pragma once

#include <filesystem>
#include <optional>
#include <string>

// The open and save dialogs. A filter is a list of "label|patterns|" pairs
// ending in one more "|" (patterns joined by ";", as "*.png;*.gif"); filter
// indices count from 1.
struct SFileDialogRequest {
    enum class Kind { Open, Save };
    Kind kind = Kind::Open;
    std::string filter;
    int selectedFilter = 1;
    std::string initialFileName;  // save dialogs only
};

// What the user chose: the path as picked or typed, and the filter entry
// shown when the dialog closed.
struct SFileDialogChoice {
    std::filesystem::path path;
    int filter = 1;
};

class IFileDialog {
public:
    virtual ~IFileDialog() = default;
    // The choice, or nothing when the user cancelled.
    virtual std::optional<SFileDialogChoice> Run(const SFileDialogRequest& request) = 0;
};

// The program-wide file dialog. Until one is installed every dialog is
// cancelled.
IFileDialog& GetFileDialog();
void SetFileDialog(IFileDialog* fileDialog);
