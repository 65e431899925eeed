#include "app/tool_sub_key.h"

#include <algorithm>

#include "app/key_files.h"
#include "app/key_names.h"
#include "platform/message_box.h"

void CToolSubKey::Load(std::vector<SItem> items, std::filesystem::path path, std::u16string identifier)
{
    m_items = std::move(items);
    m_path = std::move(path);
    m_identifier = std::move(identifier);
    m_keys.clear();
    for (const SItem& item : m_items) {
        m_keys.push_back(item.defaultKey);
    }
    std::vector<SSubKeyAssignment> stored;
    const EKeyFileStatus status =
        m_path.empty() ? EKeyFileStatus::Unusable : ReadKeyFile(m_path, [&](CFile& file) {
            return ReadToolSubKeyFile(file, m_identifier, stored);
        });
    if (status == EKeyFileStatus::WrongIdentifier) {
        ShowMessageBox("このファイルはツール補助キー設定ファイルではありません。");
    }
    if (status != EKeyFileStatus::Read) {
        return;
    }
    for (const SSubKeyAssignment& assignment : stored) {
        const auto item = std::find_if(m_items.begin(), m_items.end(),
                                       [&](const SItem& known) { return known.id == assignment.item; });
        if (item != m_items.end()) {
            m_keys[size_t(item - m_items.begin())] = assignment.key;
        }
    }
}

bool CToolSubKey::Save() const
{
    std::vector<SSubKeyAssignment> assignments;
    for (size_t i = 0; i < m_items.size(); ++i) {
        assignments.push_back({m_items[i].id, m_keys[i]});
    }
    if (!WriteKeyFile(m_path, [&](CFile& file) { WriteToolSubKeyFile(file, m_identifier, assignments); })) {
        ShowMessageBox("ツール補助キー設定をファイルに書き出せませんでした。");
        return false;
    }
    return true;
}

void CToolSubKey::Track(const SKeyMessage& message)
{
    if ((message.IsKeyDown() || message.IsApplicationButtonPress()) && message.virtualKey < m_held.size()) {
        m_held.set(message.GetRealKey());
    } else if (message.IsKeyUp() && message.virtualKey < m_held.size()) {
        m_held.reset(message.virtualKey);
    }
}

bool CToolSubKey::IsHeld(size_t item) const
{
    return m_keys[item] != 0 && m_held[m_keys[item]];
}

bool CToolSubKey::IsDefault() const
{
    for (size_t i = 0; i < m_items.size(); ++i) {
        if (m_keys[i] != m_items[i].defaultKey) {
            return false;
        }
    }
    return true;
}

std::string CToolSubKey::GetKeyText(size_t item) const
{
    return m_keys[item] == 0 ? std::string() : GetKeyName(m_keys[item]);
}
