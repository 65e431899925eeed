#pragma once

#include <cstdint>

// Virtual-key codes: the keyboard's keys as the key settings files store
// them, one byte each. Letters and digits are their upper-case ASCII codes.
enum : uint8_t {
    VK_BACK = 8,
    VK_TAB = 9,
    VK_CLEAR = 12,
    VK_RETURN = 13,
    VK_SHIFT = 16,
    VK_CONTROL = 17,
    VK_MENU = 18,  // Alt
    VK_PAUSE = 19,
    VK_CAPITAL = 20,
    VK_KANA = 21,
    VK_KANJI = 25,
    VK_ESCAPE = 27,
    VK_NONCONVERT = 29,
    VK_SPACE = 32,
    VK_PRIOR = 33,
    VK_NEXT = 34,
    VK_END = 35,
    VK_HOME = 36,
    VK_LEFT = 37,
    VK_UP = 38,
    VK_RIGHT = 39,
    VK_DOWN = 40,
    VK_INSERT = 45,
    VK_DELETE = 46,
    VK_HELP = 47,
    VK_LWIN = 91,
    VK_RWIN = 92,
    VK_APPS = 93,
    VK_NUMPAD0 = 96,
    VK_MULTIPLY = 106,
    VK_ADD = 107,
    VK_SEPARATOR = 108,
    VK_SUBTRACT = 109,
    VK_DECIMAL = 110,
    VK_DIVIDE = 111,
    VK_F1 = 112,
    VK_OEM_NEC_EQUAL = 146,  // the keypad's "="
    VK_OEM_1 = 186,          // ':' on the Japanese layout the key names follow
    VK_OEM_PLUS = 187,       // ';' and, shifted, '+'
    VK_OEM_COMMA = 188,
    VK_OEM_MINUS = 189,  // '-' and, shifted, '='
    VK_OEM_PERIOD = 190,
    VK_OEM_2 = 191,  // '/'
    VK_OEM_3 = 192,  // '@'
    VK_APP1 = 193,   // the handheld's application buttons, 193 to 198
    VK_APP6 = 198,
    VK_OEM_4 = 219,  // '['
    VK_OEM_5 = 220,  // '\' (the yen key)
    VK_OEM_6 = 221,  // ']'
    VK_OEM_7 = 222,  // '^'
    VK_OEM_8 = 223,  // '_'
    VK_PROCESSKEY = 229,  // a key the input method took; the real key comes with it
};

// Modifier sets of shortcut keys: which of Shift, Ctrl and Alt were down.
enum : uint8_t {
    kModifierShift = 4,
    kModifierCtrl = 8,
    kModifierAlt = 16,
    kModifierMask = kModifierShift | kModifierCtrl | kModifierAlt,
};

// One keyboard message as a window receives it.
struct SKeyMessage {
    enum class EType { KeyDown, KeyUp, SysKeyDown, SysKeyUp };

    EType type = EType::KeyDown;
    unsigned virtualKey = 0;
    // The key was already down before this message: set for auto-repeated
    // presses and for every release.
    bool previousState = false;
    // The modifier set held when the message was sent.
    uint8_t modifiers = 0;
    // With virtualKey VK_PROCESSKEY: the key the input method processed.
    uint8_t inputMethodKey = 0;

    bool IsKeyDown() const { return type == EType::KeyDown || type == EType::SysKeyDown; }
    bool IsKeyUp() const { return type == EType::KeyUp || type == EType::SysKeyUp; }
    // The handheld's application buttons may send a release alone, with the
    // previous-state flag clear; that release stands for a press.
    bool IsApplicationButtonPress() const
    {
        return IsKeyUp() && !previousState && virtualKey >= VK_APP1 && virtualKey <= VK_APP6;
    }
    // The virtual key with an input method's key put in its place.
    unsigned GetRealKey() const { return virtualKey == VK_PROCESSKEY ? inputMethodKey : virtualKey; }
};
