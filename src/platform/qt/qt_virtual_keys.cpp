#include "platform/qt/qt_virtual_keys.h"

#include <map>

namespace {

uint8_t ModifierSet(Qt::KeyboardModifiers modifiers)
{
    uint8_t set = 0;
    if (modifiers & Qt::ShiftModifier) {
        set |= kModifierShift;
    }
    if (modifiers & Qt::ControlModifier) {
        set |= kModifierCtrl;
    }
    if (modifiers & Qt::AltModifier) {
        set |= kModifierAlt;
    }
    return set;
}

// Keys that type nothing, and letters, whose Shift is whatever is held.
const std::map<int, uint8_t>& PlainKeys()
{
    static const std::map<int, uint8_t> keys = [] {
        std::map<int, uint8_t> table = {
            {Qt::Key_Backspace, VK_BACK},
            {Qt::Key_Tab, VK_TAB},
            {Qt::Key_Backtab, VK_TAB},
            {Qt::Key_Clear, VK_CLEAR},
            {Qt::Key_Return, VK_RETURN},
            {Qt::Key_Enter, VK_RETURN},
            {Qt::Key_Shift, VK_SHIFT},
            {Qt::Key_Control, VK_CONTROL},
            {Qt::Key_Alt, VK_MENU},
            {Qt::Key_AltGr, VK_MENU},
            {Qt::Key_Pause, VK_PAUSE},
            {Qt::Key_CapsLock, VK_CAPITAL},
            {Qt::Key_Kana_Lock, VK_KANA},
            {Qt::Key_Hiragana_Katakana, VK_KANA},
            {Qt::Key_Henkan, VK_KANJI},  // named "Xfer", beside "Nfer"
            {Qt::Key_Muhenkan, VK_NONCONVERT},
            {Qt::Key_Escape, VK_ESCAPE},
            {Qt::Key_Space, VK_SPACE},
            {Qt::Key_PageUp, VK_PRIOR},
            {Qt::Key_PageDown, VK_NEXT},
            {Qt::Key_End, VK_END},
            {Qt::Key_Home, VK_HOME},
            {Qt::Key_Left, VK_LEFT},
            {Qt::Key_Up, VK_UP},
            {Qt::Key_Right, VK_RIGHT},
            {Qt::Key_Down, VK_DOWN},
            {Qt::Key_Insert, VK_INSERT},
            {Qt::Key_Delete, VK_DELETE},
            {Qt::Key_Help, VK_HELP},
            {Qt::Key_Meta, VK_LWIN},
            {Qt::Key_Super_L, VK_LWIN},
            {Qt::Key_Super_R, VK_RWIN},
            {Qt::Key_Menu, VK_APPS},
        };
        for (int letter = 0; letter < 26; ++letter) {
            table[Qt::Key_A + letter] = uint8_t('A' + letter);
        }
        for (int function = 0; function < 24; ++function) {
            table[Qt::Key_F1 + function] = uint8_t(VK_F1 + function);
        }
        return table;
    }();
    return keys;
}

// Keys of the keypad that type a character; Shift is whatever is held.
const std::map<int, uint8_t>& KeypadCharacters()
{
    static const std::map<int, uint8_t> keys = [] {
        std::map<int, uint8_t> table = {
            {Qt::Key_Asterisk, VK_MULTIPLY}, {Qt::Key_Plus, VK_ADD},      {Qt::Key_Comma, VK_SEPARATOR},
            {Qt::Key_Minus, VK_SUBTRACT},    {Qt::Key_Period, VK_DECIMAL}, {Qt::Key_Slash, VK_DIVIDE},
            {Qt::Key_Equal, VK_OEM_NEC_EQUAL},
        };
        for (int digit = 0; digit < 10; ++digit) {
            table[Qt::Key_0 + digit] = uint8_t(VK_NUMPAD0 + digit);
        }
        return table;
    }();
    return keys;
}

// Characters of the main keys, each with its key and Shift state on the
// Japanese layout.
const std::map<int, SVirtualKeyPress>& CharacterKeys()
{
    static const std::map<int, SVirtualKeyPress> keys = [] {
        constexpr uint8_t shift = kModifierShift;
        std::map<int, SVirtualKeyPress> table = {
            {Qt::Key_Minus, {VK_OEM_MINUS, 0}},       {Qt::Key_Equal, {VK_OEM_MINUS, shift}},
            {Qt::Key_AsciiCircum, {VK_OEM_7, 0}},     {Qt::Key_AsciiTilde, {VK_OEM_7, shift}},
            {Qt::Key_Backslash, {VK_OEM_5, 0}},       {Qt::Key_yen, {VK_OEM_5, 0}},
            {Qt::Key_Bar, {VK_OEM_5, shift}},         {Qt::Key_At, {VK_OEM_3, 0}},
            {Qt::Key_QuoteLeft, {VK_OEM_3, shift}},   {Qt::Key_BracketLeft, {VK_OEM_4, 0}},
            {Qt::Key_BraceLeft, {VK_OEM_4, shift}},   {Qt::Key_Semicolon, {VK_OEM_PLUS, 0}},
            {Qt::Key_Plus, {VK_OEM_PLUS, shift}},     {Qt::Key_Colon, {VK_OEM_1, 0}},
            {Qt::Key_Asterisk, {VK_OEM_1, shift}},    {Qt::Key_BracketRight, {VK_OEM_6, 0}},
            {Qt::Key_BraceRight, {VK_OEM_6, shift}},  {Qt::Key_Comma, {VK_OEM_COMMA, 0}},
            {Qt::Key_Less, {VK_OEM_COMMA, shift}},    {Qt::Key_Period, {VK_OEM_PERIOD, 0}},
            {Qt::Key_Greater, {VK_OEM_PERIOD, shift}}, {Qt::Key_Slash, {VK_OEM_2, 0}},
            {Qt::Key_Question, {VK_OEM_2, shift}},    {Qt::Key_Underscore, {VK_OEM_8, 0}},
        };
        // The digits, and what Shift makes of them: ! " # $ % & ' ( ).
        const int shiftedDigits[] = {Qt::Key_Exclam,   Qt::Key_QuoteDbl,  Qt::Key_NumberSign,
                                     Qt::Key_Dollar,   Qt::Key_Percent,   Qt::Key_Ampersand,
                                     Qt::Key_Apostrophe, Qt::Key_ParenLeft, Qt::Key_ParenRight};
        for (int digit = 0; digit < 10; ++digit) {
            table[Qt::Key_0 + digit] = {uint8_t('0' + digit), 0};
        }
        for (int digit = 1; digit <= 9; ++digit) {
            table[shiftedDigits[digit - 1]] = {uint8_t('0' + digit), shift};
        }
        return table;
    }();
    return keys;
}

}  // namespace

std::optional<SVirtualKeyPress> ToVirtualKey(int qtKey, Qt::KeyboardModifiers modifiers)
{
    const uint8_t held = ModifierSet(modifiers);
    if (const auto plain = PlainKeys().find(qtKey); plain != PlainKeys().end()) {
        return SVirtualKeyPress{plain->second, held};
    }
    if (modifiers & Qt::KeypadModifier) {
        if (const auto keypad = KeypadCharacters().find(qtKey); keypad != KeypadCharacters().end()) {
            return SVirtualKeyPress{keypad->second, held};
        }
    }
    if (const auto character = CharacterKeys().find(qtKey); character != CharacterKeys().end()) {
        const SVirtualKeyPress typed = character->second;
        return SVirtualKeyPress{typed.key, uint8_t((held & ~kModifierShift) | typed.modifiers)};
    }
    return std::nullopt;
}

std::optional<SKeyMessage> MakeKeyMessage(const QKeyEvent& event)
{
    const std::optional<SVirtualKeyPress> press = ToVirtualKey(event.key(), event.modifiers());
    if (!press) {
        return std::nullopt;
    }
    const bool pressed = event.type() == QEvent::KeyPress;
    // As the system's keys: with Alt down, or for Alt itself.
    const bool system = (press->modifiers & kModifierAlt) != 0 || press->key == VK_MENU;
    SKeyMessage message;
    message.type = pressed ? (system ? SKeyMessage::EType::SysKeyDown : SKeyMessage::EType::KeyDown)
                           : (system ? SKeyMessage::EType::SysKeyUp : SKeyMessage::EType::KeyUp);
    message.virtualKey = press->key;
    message.previousState = !pressed || event.isAutoRepeat();
    message.modifiers = press->modifiers;
    return message;
}
