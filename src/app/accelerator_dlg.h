#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "app/accelerator.h"
#include "platform/menu.h"

class IModalDialogs;

// The shortcut-key settings dialog: the menu's commands as a tree, each with
// its keys. Keys are given to and taken from the chosen command in a copy
// of the bindings, which OK keeps.
class CAcceleratorDlg {
public:
    CAcceleratorDlg(const CAccelerator& keys, const std::vector<SMenuItem>& menu) : m_keys(keys), m_menu(menu) {}

    bool DoModal(IModalDialogs& dialogs);

    const std::vector<SMenuItem>& GetMenu() const { return m_menu; }
    const CAccelerator& GetKeys() const { return m_keys; }

    // Binds the key to the command; a key bound to another command moves to
    // this one, since only the first binding of a key would ever send.
    void AssignKey(uint16_t command, uint8_t key, uint8_t modifiers);
    void RemoveKey(uint16_t command, uint8_t key, uint8_t modifiers) { m_keys.RemoveKey(command, key, modifiers); }
    void ResetToDefaults() { m_keys.ResetToDefaults(); }
    // The label of the menu item that sends the command, empty for none.
    std::string GetCommandLabel(uint16_t command) const;

private:
    CAccelerator m_keys;
    const std::vector<SMenuItem>& m_menu;
};
