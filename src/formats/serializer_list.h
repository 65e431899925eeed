#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "formats/serializer.h"

// The formats the editor knows, in registration order: the order of the
// entries in both file dialogs and of matching a path's extension. Owns them.
class CSerializerList {
public:
    void AddTail(std::unique_ptr<CSerializer> serializer) { m_serializers.push_back(std::move(serializer)); }
    int GetCount() const { return static_cast<int>(m_serializers.size()); }
    CSerializer* GetAt(int index) const { return m_serializers[index].get(); }

    // The first serializer that supports every direction in mask and has a
    // format whose extension equals the path's (case-insensitive). The
    // extension runs from the last '.' of the whole path to its end; a path
    // without '.' matches nothing.
    CSerializer* Find(const std::filesystem::path& path, uint32_t mask) const;

    // "全ての画像形式|" and every readable pattern joined by ";", then "|",
    // then "label|*ext|" for each readable format, then a final "|".
    std::string BuildOpenFilter() const;
    // "label|*ext|" for each writable format, then a final "|".
    std::string BuildSaveFilter() const;
    // The 1-based save filter entry whose extension is the default path's
    // (the last match wins); 1 when none matches.
    int FindSaveFilterIndex(const std::filesystem::path& defaultPath) const;

    // The chosen path, or an empty one when the user cancelled.
    std::filesystem::path GetOpenPath() const;
    // The save dialog preselects the default path's format and offers the
    // default path without its extension as the file name. A chosen name
    // without an extension gets that of the format chosen in the dialog.
    std::filesystem::path GetSavePath(const std::filesystem::path& defaultPath) const;

    // The text from the last '.' of the whole path to its end, or empty.
    static std::string ExtensionOf(const std::filesystem::path& path);

private:
    struct SFormat {
        std::string label;
        std::string extension;
    };
    std::vector<SFormat> FormatsWith(uint32_t mask) const;

    std::vector<std::unique_ptr<CSerializer>> m_serializers;
};
