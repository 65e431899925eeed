#include "app/accelerator.h"

#include <algorithm>

#include "app/key_names.h"
#include "platform/message_box.h"

void CAccelerator::Load(std::span<const SKeyBinding> defaults, std::filesystem::path path,
                        std::u16string identifier)
{
    m_defaults.assign(defaults.begin(), defaults.end());
    m_path = std::move(path);
    m_identifier = std::move(identifier);
    Clear();
    std::vector<SKeyBinding> stored;
    const EKeyFileStatus status =
        m_path.empty() ? EKeyFileStatus::Unusable : ReadKeyFile(m_path, [&](CFile& file) {
            return ReadAcceleratorFile(file, m_identifier, stored);
        });
    if (status == EKeyFileStatus::WrongIdentifier) {
        ShowMessageBox("このファイルはショートカットキー設定ファイルではありません。\n\n" + m_path.string());
    }
    m_fromFile = status == EKeyFileStatus::Read;
    for (const SKeyBinding& binding : m_fromFile ? std::span<const SKeyBinding>(stored) : defaults) {
        AddKey(binding.command, binding.key, binding.modifiers);
    }
}

bool CAccelerator::Save() const
{
    const std::vector<SKeyBinding> bindings = GetBindings();
    if (!WriteKeyFile(m_path, [&](CFile& file) { WriteAcceleratorFile(file, m_identifier, bindings); })) {
        ShowMessageBox("キー設定をファイルに書き出せませんでした。");
        return false;
    }
    return true;
}

void CAccelerator::ResetToDefaults()
{
    Clear();
    for (const SKeyBinding& binding : m_defaults) {
        AddKey(binding.command, binding.key, binding.modifiers);
    }
}

void CAccelerator::Clear()
{
    m_commandKeys.clear();
    for (std::vector<SKeyCommand>& commands : m_keyCommands) {
        commands.clear();
    }
}

void CAccelerator::AddKey(uint16_t command, uint8_t key, uint8_t modifiers)
{
    modifiers &= kModifierMask;
    m_commandKeys[command].push_back({key, modifiers});
    m_keyCommands[key].push_back({modifiers, command});
}

void CAccelerator::RemoveKey(uint16_t command, uint8_t key, uint8_t modifiers)
{
    const auto found = m_commandKeys.find(command);
    if (found == m_commandKeys.end()) {
        return;
    }
    modifiers &= kModifierMask;
    std::vector<SKey>& keys = found->second;
    const auto match = std::find(keys.begin(), keys.end(), SKey{key, modifiers});
    if (match == keys.end()) {
        return;
    }
    keys.erase(match);
    if (keys.empty()) {
        m_commandKeys.erase(found);
    }
    std::vector<SKeyCommand>& commands = m_keyCommands[key];
    commands.erase(std::find_if(commands.begin(), commands.end(), [&](const SKeyCommand& entry) {
        return entry.modifiers == modifiers && entry.command == command;
    }));
}

unsigned CAccelerator::Translate(const IAcceleratorTarget& target, const SKeyMessage& message) const
{
    if (target.IsPointerCaptured() || !target.IsInputEnabled()) {
        return 0;
    }
    if ((!message.IsKeyDown() && !message.IsApplicationButtonPress()) || message.virtualKey > 255) {
        return 0;
    }
    const unsigned key = message.GetRealKey();
    if (key == VK_SHIFT || key == VK_CONTROL || key == VK_MENU) {
        return 0;
    }
    return FindCommand(uint8_t(key), message.modifiers & kModifierMask);
}

bool CAccelerator::TranslateAndSend(IAcceleratorTarget& target, const SKeyMessage& message) const
{
    const unsigned command = Translate(target, message);
    if (command == 0) {
        return false;
    }
    target.OnKeyCommand(command);
    return true;
}

std::span<const CAccelerator::SKey> CAccelerator::GetKeys(uint16_t command) const
{
    const auto found = m_commandKeys.find(command);
    return found == m_commandKeys.end() ? std::span<const SKey>() : std::span<const SKey>(found->second);
}

std::string CAccelerator::GetKeyText(uint16_t command) const
{
    std::string text;
    for (const SKey& key : GetKeys(command)) {
        text += (text.empty() ? "" : ", ") + GetKeyBindingText(key.key, key.modifiers);
    }
    return text;
}

uint16_t CAccelerator::FindCommand(uint8_t key, uint8_t modifiers) const
{
    for (const SKeyCommand& entry : m_keyCommands[key]) {
        if (entry.modifiers == modifiers) {
            return entry.command;
        }
    }
    return 0;
}

std::vector<SKeyBinding> CAccelerator::GetBindings() const
{
    std::vector<SKeyBinding> bindings;
    for (const auto& [command, keys] : m_commandKeys) {
        for (const SKey& key : keys) {
            bindings.push_back({command, key.key, key.modifiers});
        }
    }
    return bindings;
}
