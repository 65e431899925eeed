#pragma once

#include <cstdint>
#include <filesystem>
#include <initializer_list>
#include <map>
#include <string>
#include <string_view>

#include "model/geometry.h"

class IIntegerEdit;

// One settings file, opened for one pass: a loading profile parses the file
// and is never written; a saving profile starts empty, collects the values of
// its pass and rewrites the whole file when it is destroyed. The file is
// UTF-8 text of "[section]" headers and "key=value" lines; names, keys and
// values compare case-sensitively, and an empty section name means "General".
class CIniProfile {
public:
    static constexpr char kDefaultSection[] = "General";
    // Lines are read in pieces of at most this many characters (the line
    // break counts); each piece is taken as a line of its own.
    static constexpr size_t kLinePieceCharacters = 254;

    CIniProfile(std::filesystem::path path, bool load, bool writable);
    ~CIniProfile();
    CIniProfile(const CIniProfile&) = delete;
    CIniProfile& operator=(const CIniProfile&) = delete;

    std::string GetString(const std::string& section, const std::string& key, const std::string& defaultValue) const;
    // defaultValue when the value is absent or empty, else its leading integer.
    int GetInt(const std::string& section, const std::string& key, int defaultValue) const;
    void SetString(const std::string& section, const std::string& key, const std::string& value);
    void SetInt(const std::string& section, const std::string& key, int value);

    // Saving stores the variable; loading reads the stored value with the
    // variable's current value as the default, so a missing key leaves it
    // unchanged. Points, sizes and rectangles are comma-separated integers
    // and stay unchanged when the stored text has too few fields.
    void Exchange(bool saving, const std::string& section, const std::string& key, std::string& value);
    void Exchange(bool saving, const std::string& section, const std::string& key, int& value);
    void Exchange(bool saving, const std::string& section, const std::string& key, uint8_t& value);
    void Exchange(bool saving, const std::string& section, const std::string& key, bool& value);
    void Exchange(bool saving, const std::string& section, const std::string& key, CPoint& value);
    void Exchange(bool saving, const std::string& section, const std::string& key, CSize& value);
    void Exchange(bool saving, const std::string& section, const std::string& key, CRect& value);
    void Exchange(bool saving, const std::string& section, const std::string& key, IIntegerEdit& field);

private:
    using Section = std::map<std::string, std::string>;

    void Parse(std::string_view text);
    void ParseLine(const std::string& line, std::string& section);
    void Write() const;
    // Exchanges the integers as one "a,b,..." value.
    void ExchangeIntegers(bool saving, const std::string& section, const std::string& key,
                          std::initializer_list<int*> fields);
    const Section* FindSection(const std::string& section) const;

    std::filesystem::path m_path;
    std::map<std::string, Section> m_sections;
    bool m_readOnly;
    bool m_modified = false;
};
