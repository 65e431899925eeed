#pragma once

#include <cstdint>
#include <string>

// What a virtual key is called in the key settings dialogs and in menus: its
// name, or its code in brackets ("[28]") when it has none.
std::string GetKeyName(uint8_t virtualKey);

// A key with its modifiers as the user reads it: "Ctrl+", "Alt+" and "Shift+"
// in that order for those in the set, then the key's name ("Ctrl+Shift+Z").
std::string GetKeyBindingText(uint8_t virtualKey, uint8_t modifiers);
