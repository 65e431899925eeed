#include "app/key_names.h"

#include <array>

#include "platform/keyboard.h"

namespace {

using NameTable = std::array<std::string, 256>;

NameTable BuildNames()
{
    NameTable names;
    const std::pair<uint8_t, const char*> single[] = {
        {8, "BS"},        {9, "Tab"},       {12, "Clear"},    {13, "Enter"},      {16, "Shift"},
        {17, "Ctrl"},     {18, "Alt"},      {19, "Pause"},    {20, "Caps"},       {21, "Kana"},
        {25, "Xfer"},     {27, "Esc"},      {29, "Nfer"},     {32, "Space"},      {33, "PageUp"},
        {34, "PageDown"}, {35, "End"},      {36, "Home"},     {37, "←"},          {38, "↑"},
        {39, "→"},        {40, "↓"},        {45, "Ins"},      {46, "Del"},        {47, "Help"},
        {91, "WinLeft"},  {92, "WinRight"}, {93, "PopMenu"},  {106, "Num'*'"},    {107, "Num'+'"},
        {108, "Num','"},  {109, "Num'-'"},  {110, "Num'.'"},  {111, "Num'/'"},    {146, "Num'='"},
        {186, "':'"},     {187, "';'"},     {188, "','"},     {189, "'-'"},       {190, "'.'"},
        {191, "'/'"},     {192, "'@'"},     {219, "'['"},     {220, "'\\'"},      {221, "']'"},
        {222, "'^'"},     {223, "'_'"},     {226, "'\\'"},
    };
    for (const auto& [key, name] : single) {
        names[key] = name;
    }
    for (int digit = 0; digit <= 9; ++digit) {
        names[size_t('0' + digit)] = std::string(1, char('0' + digit));
        names[size_t(VK_NUMPAD0 + digit)] = "Num" + std::to_string(digit);
    }
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
        names[size_t(letter)] = std::string(1, letter);
    }
    for (int function = 1; function <= 15; ++function) {
        names[size_t(VK_F1 + function - 1)] = "F" + std::to_string(function);
    }
    for (int button = 1; button <= 6; ++button) {
        names[size_t(VK_APP1 + button - 1)] = "App" + std::to_string(button);
    }
    return names;
}

}  // namespace

std::string GetKeyName(uint8_t virtualKey)
{
    static const NameTable names = BuildNames();
    const std::string& name = names[virtualKey];
    return name.empty() ? "[" + std::to_string(virtualKey) + "]" : name;
}

std::string GetKeyBindingText(uint8_t virtualKey, uint8_t modifiers)
{
    std::string text;
    if (modifiers & kModifierCtrl) {
        text += "Ctrl+";
    }
    if (modifiers & kModifierAlt) {
        text += "Alt+";
    }
    if (modifiers & kModifierShift) {
        text += "Shift+";
    }
    return text + GetKeyName(virtualKey);
}
