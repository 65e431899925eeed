#pragma once

#include <bitset>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/keyboard.h"

// The tool sub-keys: keys that change what a tool does while they are held
// (the eyedropper's turns a drawing tool into the colour picker). It follows
// every keyboard message of the main window to know which keys are down.
class CToolSubKey {
public:
    struct SItem {
        uint16_t id = 0;
        std::string label;
        uint8_t defaultKey = 0;  // 0: none
    };

    // Gives every item its default key, then the keys the file stores for
    // the items it names. A file of another kind is reported; a missing or
    // damaged file, or one of another version, leaves the defaults.
    void Load(std::vector<SItem> items, std::filesystem::path path, std::u16string identifier);
    // Reports and returns false when the file cannot be written.
    bool Save() const;

    void Track(const SKeyMessage& message);
    // Whether the item has a key and it is down.
    bool IsHeld(size_t item) const;
    bool IsKeyDown(unsigned virtualKey) const { return virtualKey < m_held.size() && m_held[virtualKey]; }
    // Whether every item has its default key.
    bool IsDefault() const;

    const std::vector<SItem>& GetItems() const { return m_items; }
    uint8_t GetKey(size_t item) const { return m_keys[item]; }
    void SetKey(size_t item, uint8_t key) { m_keys[item] = key; }
    // The key's name, empty for none.
    std::string GetKeyText(size_t item) const;

private:
    std::vector<SItem> m_items;
    std::vector<uint8_t> m_keys;
    std::filesystem::path m_path;
    std::u16string m_identifier;
    std::bitset<256> m_held;
};
