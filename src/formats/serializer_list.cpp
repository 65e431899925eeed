#include "formats/serializer_list.h"

#include <strings.h>

#include "platform/file_dialog.h"

namespace {

bool EqualsIgnoringCase(const std::string& a, const std::string& b)
{
    return a.size() == b.size() && ::strncasecmp(a.c_str(), b.c_str(), a.size()) == 0;
}

}  // namespace

std::string CSerializerList::ExtensionOf(const std::filesystem::path& path)
{
    const std::string& text = path.native();
    const size_t dot = text.rfind('.');
    return dot == std::string::npos ? std::string() : text.substr(dot);
}

std::vector<CSerializerList::SFormat> CSerializerList::FormatsWith(uint32_t mask) const
{
    std::vector<SFormat> formats;
    for (const auto& serializer : m_serializers) {
        if ((serializer->GetFlags() & mask) != mask) {
            continue;
        }
        SFormat format;
        for (int index = 0; serializer->GetFormat(index, format.label, format.extension); ++index) {
            formats.push_back(format);
        }
    }
    return formats;
}

CSerializer* CSerializerList::Find(const std::filesystem::path& path, uint32_t mask) const
{
    const std::string extension = ExtensionOf(path);
    if (extension.empty()) {
        return nullptr;
    }
    for (const auto& serializer : m_serializers) {
        if ((serializer->GetFlags() & mask) != mask) {
            continue;
        }
        std::string label;
        std::string candidate;
        for (int index = 0; serializer->GetFormat(index, label, candidate); ++index) {
            if (EqualsIgnoringCase(candidate, extension)) {
                return serializer.get();
            }
        }
    }
    return nullptr;
}

std::string CSerializerList::BuildOpenFilter() const
{
    const std::vector<SFormat> formats = FormatsWith(CSerializer::kCanRead);
    std::string filter = "全ての画像形式|";
    for (size_t i = 0; i < formats.size(); ++i) {
        filter += (i == 0 ? "*" : ";*") + formats[i].extension;
    }
    filter += "|";
    for (const SFormat& format : formats) {
        filter += format.label + "|*" + format.extension + "|";
    }
    return filter + "|";
}

std::string CSerializerList::BuildSaveFilter() const
{
    std::string filter;
    for (const SFormat& format : FormatsWith(CSerializer::kCanWrite)) {
        filter += format.label + "|*" + format.extension + "|";
    }
    return filter + "|";
}

int CSerializerList::FindSaveFilterIndex(const std::filesystem::path& defaultPath) const
{
    const std::string extension = ExtensionOf(defaultPath);
    int selected = 1;
    if (extension.empty()) {
        return selected;
    }
    const std::vector<SFormat> formats = FormatsWith(CSerializer::kCanWrite);
    for (size_t i = 0; i < formats.size(); ++i) {
        if (EqualsIgnoringCase(formats[i].extension, extension)) {
            selected = static_cast<int>(i) + 1;
        }
    }
    return selected;
}

std::filesystem::path CSerializerList::GetOpenPath() const
{
    SFileDialogRequest request;
    request.kind = SFileDialogRequest::Kind::Open;
    request.filter = BuildOpenFilter();
    const std::optional<SFileDialogChoice> choice = GetFileDialog().Run(request);
    return choice ? choice->path : std::filesystem::path();
}

std::filesystem::path CSerializerList::GetSavePath(const std::filesystem::path& defaultPath) const
{
    SFileDialogRequest request;
    request.kind = SFileDialogRequest::Kind::Save;
    request.filter = BuildSaveFilter();
    request.selectedFilter = FindSaveFilterIndex(defaultPath);
    const std::string& text = defaultPath.native();
    request.initialFileName = text.substr(0, text.size() - ExtensionOf(defaultPath).size());
    const std::optional<SFileDialogChoice> choice = GetFileDialog().Run(request);
    if (!choice) {
        return {};
    }
    // A name typed without any extension gets the chosen format's, as the
    // file dialogs of the desktop give it.
    std::filesystem::path path = choice->path;
    const std::vector<SFormat> formats = FormatsWith(CSerializer::kCanWrite);
    if (path.filename().native().find('.') == std::string::npos && choice->filter >= 1 &&
        choice->filter <= int(formats.size())) {
        path += formats[choice->filter - 1].extension;
    }
    return path;
}
