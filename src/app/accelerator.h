#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <map>
#include <span>
#include <string>
#include <vector>

#include "app/key_files.h"
#include "platform/keyboard.h"

// The window that translated keys are sent to.
class IAcceleratorTarget {
public:
    virtual ~IAcceleratorTarget() = default;
    // Keys send nothing while a window holds the pointer (a stroke is under
    // way) or while the target is disabled.
    virtual bool IsPointerCaptured() const = 0;
    virtual bool IsInputEnabled() const = 0;
    virtual void OnKeyCommand(unsigned id) = 0;
};

// The shortcut keys: each command may be bound to any number of keys, a key
// being a virtual key with a modifier set (Shift, Ctrl, Alt). A key pressed
// with exactly the modifiers of a binding sends that binding's command; of
// two commands bound to the same key, the one bound first wins.
class CAccelerator {
public:
    struct SKey {
        uint8_t key = 0;
        uint8_t modifiers = 0;
        bool operator==(const SKey&) const = default;
    };

    // Forgets every binding. Reads the file when there is a path; without
    // one, or when the file is missing, of another kind (which is reported)
    // or damaged, binds the defaults in their order.
    void Load(std::span<const SKeyBinding> defaults, std::filesystem::path path, std::u16string identifier);
    // Writes the bindings to the file; reports and returns false when it
    // cannot be written.
    bool Save() const;
    // Replaces the bindings by the defaults.
    void ResetToDefaults();

    // Modifier bits other than Shift, Ctrl and Alt are dropped.
    void AddKey(uint16_t command, uint8_t key, uint8_t modifiers);
    // Removes the first binding of the command to exactly this key.
    void RemoveKey(uint16_t command, uint8_t key, uint8_t modifiers);

    // The command a keyboard message sends, or 0.
    unsigned Translate(const IAcceleratorTarget& target, const SKeyMessage& message) const;
    // Sends the translated command to the target; false when there was none.
    bool TranslateAndSend(IAcceleratorTarget& target, const SKeyMessage& message) const;

    // The command's keys in the order they were bound.
    std::span<const SKey> GetKeys(uint16_t command) const;
    // The command's keys as the user reads them, joined with ", ".
    std::string GetKeyText(uint16_t command) const;
    // The command a key with exactly these modifiers sends, or 0.
    uint16_t FindCommand(uint8_t key, uint8_t modifiers) const;
    // Every binding, command by command, each command's keys in order.
    std::vector<SKeyBinding> GetBindings() const;
    bool IsFromFile() const { return m_fromFile; }

private:
    struct SKeyCommand {
        uint8_t modifiers;
        uint16_t command;
    };

    void Clear();

    std::map<uint16_t, std::vector<SKey>> m_commandKeys;
    std::array<std::vector<SKeyCommand>, 256> m_keyCommands;
    std::vector<SKeyBinding> m_defaults;
    std::filesystem::path m_path;
    std::u16string m_identifier;
    bool m_fromFile = false;
};
