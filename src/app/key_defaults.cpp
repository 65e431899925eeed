#include "app/key_defaults.h"

#include "bars/command_ids.h"
#include "platform/keyboard.h"

namespace {

constexpr uint8_t kCtrl = kModifierCtrl;
constexpr uint8_t kShift = kModifierShift;

constexpr SKeyBinding kDefaultKeys[] = {
    // The scroll commands on the arrow keys, as the editor has always had them.
    {kCmdScrollLeft, VK_LEFT, 0},
    {kCmdScrollRight, VK_RIGHT, 0},
    {kCmdScrollUp, VK_UP, 0},
    {kCmdScrollDown, VK_DOWN, 0},
    // What the desktop's programs have taught their users.
    {kCmdFileNew, 'N', kCtrl},
    {kCmdFileOpen, 'O', kCtrl},
    {kCmdFileSave, 'S', kCtrl},
    {kCmdFileSaveAs, 'S', kCtrl | kShift},
    {kCmdUndo, 'Z', kCtrl},
    {kCmdRedo, 'Y', kCtrl},
    {kCmdRedo, 'Z', kCtrl | kShift},
    {kCmdCut, 'X', kCtrl},
    {kCmdCopy, 'C', kCtrl},
    {kCmdPaste, 'V', kCtrl},
    {kCmdDelete, VK_DELETE, 0},
    {kCmdSelectAll, 'A', kCtrl},
    {kCmdSelectNone, VK_ESCAPE, 0},
    // "+" is Shift and the ";" key on the Japanese layout, which the key
    // names follow; the keyboard host reports a typed "+" that way on any
    // layout.
    {kCmdZoomIn, VK_OEM_PLUS, kShift},
    {kCmdZoomIn, VK_ADD, 0},
    {kCmdZoomOut, VK_OEM_MINUS, 0},
    {kCmdZoomOut, VK_SUBTRACT, 0},
    // A letter per tool; Shift gives the filled shapes.
    {kCmdToolScroll, 'H', 0},
    {kCmdToolFreehand, 'B', 0},
    {kCmdToolLine, 'L', 0},
    {kCmdToolRectangle, 'R', 0},
    {kCmdToolFilledRectangle, 'R', kShift},
    {kCmdToolEllipse, 'E', 0},
    {kCmdToolFilledEllipse, 'E', kShift},
    {kCmdToolFill, 'G', 0},
    {kCmdToolSelectRectangle, 'M', 0},
    {kCmdToolSelectSameColor, 'W', 0},
    {kCmdToolSelectColor, 'C', 0},
    {kCmdToolSelectFree, 'Q', 0},
    {kCmdEyedropper, 'I', 0},
};

}  // namespace

std::span<const SKeyBinding> GetDefaultShortcutKeys()
{
    return kDefaultKeys;
}

std::vector<CToolSubKey::SItem> GetToolSubKeyItems()
{
    return {{100, "スポイト", VK_MENU}};
}
