#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Writes JSON text as it goes: one member or element a line, indented by two
// spaces a level. The caller keeps the calls well nested; strings are UTF-8
// and are escaped as JSON requires.
class CJsonWriter {
public:
    void BeginObject();
    void EndObject();
    void BeginArray();
    void EndArray();
    // The name of the next member of the enclosing object.
    void Key(std::string_view name);
    void String(std::string_view value);
    void Number(int64_t value);
    // A member with its value: Key, then String or Number.
    void Member(std::string_view name, std::string_view value);
    void Member(std::string_view name, int64_t value);

    // The text so far; complete, with a final line break, once every object
    // and array is closed.
    const std::string& GetText() const { return m_text; }

private:
    // Starts a value: after a key on the key's line, else on a line of its own.
    void BeginValue();
    void Open(char bracket);
    void Close(char bracket);
    void Indent();
    void AppendQuoted(std::string_view text);

    std::string m_text;
    // Per open object or array: whether it has a member or element yet.
    std::vector<bool> m_hasItems;
    bool m_afterKey = false;
};
