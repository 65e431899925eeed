#include "formats/json_writer.h"

#include <cstdio>

void CJsonWriter::BeginObject()
{
    Open('{');
}

void CJsonWriter::EndObject()
{
    Close('}');
}

void CJsonWriter::BeginArray()
{
    Open('[');
}

void CJsonWriter::EndArray()
{
    Close(']');
}

void CJsonWriter::Key(std::string_view name)
{
    BeginValue();
    AppendQuoted(name);
    m_text += ": ";
    m_afterKey = true;
}

void CJsonWriter::String(std::string_view value)
{
    BeginValue();
    AppendQuoted(value);
}

void CJsonWriter::Number(int64_t value)
{
    BeginValue();
    m_text += std::to_string(value);
}

void CJsonWriter::Member(std::string_view name, std::string_view value)
{
    Key(name);
    String(value);
}

void CJsonWriter::Member(std::string_view name, int64_t value)
{
    Key(name);
    Number(value);
}

void CJsonWriter::BeginValue()
{
    if (m_afterKey) {
        m_afterKey = false;
        return;
    }
    if (!m_hasItems.empty()) {
        if (m_hasItems.back()) {
            m_text += ',';
        }
        m_hasItems.back() = true;
        m_text += '\n';
        Indent();
    }
}

void CJsonWriter::Open(char bracket)
{
    BeginValue();
    m_text += bracket;
    m_hasItems.push_back(false);
}

void CJsonWriter::Close(char bracket)
{
    const bool hadItems = m_hasItems.back();
    m_hasItems.pop_back();
    if (hadItems) {
        m_text += '\n';
        Indent();
    }
    m_text += bracket;
    if (m_hasItems.empty()) {
        m_text += '\n';
    }
}

void CJsonWriter::Indent()
{
    m_text.append(m_hasItems.size() * 2, ' ');
}

void CJsonWriter::AppendQuoted(std::string_view text)
{
    m_text += '"';
    for (const char c : text) {
        switch (c) {
        case '"':
            m_text += "\\\"";
            break;
        case '\\':
            m_text += "\\\\";
            break;
        case '\n':
            m_text += "\\n";
            break;
        case '\r':
            m_text += "\\r";
            break;
        case '\t':
            m_text += "\\t";
            break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                char escaped[8];
                std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned char>(c));
                m_text += escaped;
            } else {
                m_text += c;
            }
        }
    }
    m_text += '"';
}
