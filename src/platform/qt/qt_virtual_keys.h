#pragma once

#include <QKeyEvent>
#include <cstdint>
#include <optional>

#include "platform/keyboard.h"

// The one place that knows Qt's key codes.
struct SVirtualKeyPress {
    uint8_t key = 0;
    uint8_t modifiers = 0;
    bool operator==(const SVirtualKeyPress&) const = default;
};

// The virtual key and modifier set of a Qt key with its modifiers, or none
// for a key the settings cannot store. A key that types a character is
// known by that character, as the Japanese layout that the key names follow
// types it: "+" is Shift with the ";" key and "@" the "@" key alone whatever
// the keyboard, so a binding means the same character on every layout.
std::optional<SVirtualKeyPress> ToVirtualKey(int qtKey, Qt::KeyboardModifiers modifiers);

// The keyboard message of a Qt key event, or none for a key without a
// virtual key.
std::optional<SKeyMessage> MakeKeyMessage(const QKeyEvent& event);
