#pragma once

#include <filesystem>
#include <string>

// The name the user knows the document by: its path from after the last "\",
// "/" or ":", or "新しい画像" for a document that was never saved or opened.
std::string GetDocumentDisplayName(const std::filesystem::path& path);

// The main window's title: the document's name, " *" while it has unsaved
// changes, and the program's name ("name.sbx * - Stipple Box 2").
std::string FormatWindowTitle(const std::filesystem::path& path, bool modified);
