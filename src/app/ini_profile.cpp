#include "app/ini_profile.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <vector>

#include "platform/file.h"
#include "platform/integer_edit.h"
#include "platform/text.h"

namespace {

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// The leading integer of the text: optional blanks, an optional sign and
// decimal digits; 0 without digits. Values beyond the int range saturate.
int ReadInteger(std::string_view text)
{
    size_t i = 0;
    while (i < text.size() && IsBlank(text[i])) {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i++] == '-';
    }
    constexpr int64_t kLimit = int64_t{std::numeric_limits<int>::max()} + 1;
    int64_t magnitude = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        magnitude = std::min(magnitude * 10 + (text[i] - '0'), kLimit);
    }
    const int64_t value = negative ? -magnitude : magnitude;
    return static_cast<int>(std::clamp<int64_t>(value, std::numeric_limits<int>::min(),
                                                std::numeric_limits<int>::max()));
}

std::vector<std::string_view> SplitAtCommas(std::string_view text)
{
    std::vector<std::string_view> fields;
    for (size_t comma; (comma = text.find(',')) != std::string_view::npos; text.remove_prefix(comma + 1)) {
        fields.push_back(text.substr(0, comma));
    }
    fields.push_back(text);
    return fields;
}

// The file's bytes, or nothing when it cannot be opened.
std::string ReadWholeFile(const std::filesystem::path& path)
{
    CFile file;
    std::string text;
    if (!file.Open(path, CFile::OpenMode::Read)) {
        return text;
    }
    char block[4096];
    for (size_t got; (got = file.Read(block, sizeof block)) > 0;) {
        text.append(block, got);
    }
    return text;
}

// Line breaks as a text stream delivers them: "\r\n" becomes "\n".
std::string WithPlainLineBreaks(std::string_view text)
{
    std::string plain;
    plain.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (!(text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')) {
            plain += text[i];
        }
    }
    return plain;
}

}  // namespace

CIniProfile::CIniProfile(std::filesystem::path path, bool load, bool writable)
    : m_path(std::move(path)), m_readOnly(!writable)
{
    if (load) {
        try {
            Parse(ReadWholeFile(m_path));
        } catch (const std::exception&) {
            m_sections.clear();  // an unreadable file counts as missing
        }
    }
}

CIniProfile::~CIniProfile()
{
    if (m_readOnly || !m_modified) {
        return;
    }
    try {
        Write();
    } catch (...) {
        // Settings that cannot be written are silently not kept.
    }
}

const CIniProfile::Section* CIniProfile::FindSection(const std::string& section) const
{
    const auto found = m_sections.find(section.empty() ? kDefaultSection : section);
    return found == m_sections.end() ? nullptr : &found->second;
}

std::string CIniProfile::GetString(const std::string& section, const std::string& key,
                                   const std::string& defaultValue) const
{
    const Section* values = FindSection(section);
    if (values == nullptr) {
        return defaultValue;
    }
    const auto found = values->find(key);
    return found == values->end() ? defaultValue : found->second;
}

int CIniProfile::GetInt(const std::string& section, const std::string& key, int defaultValue) const
{
    const std::string value = GetString(section, key, {});
    return value.empty() ? defaultValue : ReadInteger(value);
}

void CIniProfile::SetString(const std::string& section, const std::string& key, const std::string& value)
{
    m_sections[section.empty() ? kDefaultSection : section][key] = value;
    m_modified = true;
}

void CIniProfile::SetInt(const std::string& section, const std::string& key, int value)
{
    SetString(section, key, std::to_string(value));
}

void CIniProfile::Exchange(bool saving, const std::string& section, const std::string& key, std::string& value)
{
    if (saving) {
        SetString(section, key, value);
    } else {
        value = GetString(section, key, value);
    }
}

void CIniProfile::Exchange(bool saving, const std::string& section, const std::string& key, int& value)
{
    if (saving) {
        SetInt(section, key, value);
    } else {
        value = GetInt(section, key, value);
    }
}

void CIniProfile::Exchange(bool saving, const std::string& section, const std::string& key, uint8_t& value)
{
    if (saving) {
        SetInt(section, key, value);
    } else {
        value = static_cast<uint8_t>(GetInt(section, key, value));
    }
}

void CIniProfile::Exchange(bool saving, const std::string& section, const std::string& key, bool& value)
{
    if (saving) {
        SetInt(section, key, value ? 1 : 0);
    } else {
        value = GetInt(section, key, value ? 1 : 0) != 0;
    }
}

void CIniProfile::Exchange(bool saving, const std::string& section, const std::string& key, CPoint& value)
{
    ExchangeIntegers(saving, section, key, {&value.x, &value.y});
}

void CIniProfile::Exchange(bool saving, const std::string& section, const std::string& key, CSize& value)
{
    ExchangeIntegers(saving, section, key, {&value.cx, &value.cy});
}

void CIniProfile::Exchange(bool saving, const std::string& section, const std::string& key, CRect& value)
{
    ExchangeIntegers(saving, section, key, {&value.left, &value.top, &value.right, &value.bottom});
}

void CIniProfile::Exchange(bool saving, const std::string& section, const std::string& key, IIntegerEdit& field)
{
    if (saving) {
        SetInt(section, key, field.GetValue());
    } else {
        field.SetValue(GetInt(section, key, field.GetValue()));
    }
}

void CIniProfile::ExchangeIntegers(bool saving, const std::string& section, const std::string& key,
                                   std::initializer_list<int*> fields)
{
    std::string text;
    for (const int* field : fields) {
        if (!text.empty()) {
            text += ',';
        }
        text += std::to_string(*field);
    }
    if (saving) {
        SetString(section, key, text);
        return;
    }
    const std::string stored = GetString(section, key, text);
    const std::vector<std::string_view> parts = SplitAtCommas(stored);
    if (parts.size() < fields.size()) {
        return;
    }
    auto part = parts.begin();
    for (int* field : fields) {
        *field = ReadInteger(*part++);
    }
}

void CIniProfile::Parse(std::string_view text)
{
    std::u16string wide = sb::Utf8ToUtf16(WithPlainLineBreaks(text));
    size_t position = !wide.empty() && wide[0] == u'\uFEFF' ? 1 : 0;  // a byte-order mark is no text
    std::string section;  // keys before the first header belong to the default section
    while (position < wide.size()) {
        size_t end = std::min(position + kLinePieceCharacters, wide.size());
        const size_t lineBreak = wide.find(u'\n', position);
        if (lineBreak < end) {
            end = lineBreak + 1;
        }
        std::u16string piece = wide.substr(position, end - position);
        position = end;
        std::erase(piece, u'\n');
        ParseLine(sb::Utf16ToUtf8(piece), section);
    }
}

void CIniProfile::ParseLine(const std::string& line, std::string& section)
{
    if (line.empty() || line.front() == ';') {
        return;
    }
    if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
        section = line.substr(1, line.size() - 2);
        return;
    }
    const size_t equals = line.find('=');
    if (equals != std::string::npos && equals > 0) {
        SetString(section, line.substr(0, equals), line.substr(equals + 1));
    }
}

void CIniProfile::Write() const
{
    std::string text;
    for (const auto& [name, values] : m_sections) {
        text += "[" + name + "]\n";
        for (const auto& [key, value] : values) {
            text += key + "=" + value + "\n";
        }
        text += "\n";
    }
    CFile file;
    if (!file.Open(m_path, CFile::OpenMode::Write)) {
        return;
    }
    file.Write(text.data(), text.size());
    file.Commit();
}
