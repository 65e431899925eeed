#include "app/accelerator_dlg.h"

#include "app/modal_dialogs.h"

namespace {

const SMenuItem* FindItem(const std::vector<SMenuItem>& items, unsigned command)
{
    for (const SMenuItem& item : items) {
        if (item.IsSubmenu()) {
            if (const SMenuItem* found = FindItem(item.items, command)) {
                return found;
            }
        } else if (!item.IsSeparator() && item.id == command) {
            return &item;
        }
    }
    return nullptr;
}

}  // namespace

bool CAcceleratorDlg::DoModal(IModalDialogs& dialogs)
{
    return dialogs.RunAccelerator(*this);
}

void CAcceleratorDlg::AssignKey(uint16_t command, uint8_t key, uint8_t modifiers)
{
    modifiers &= kModifierMask;
    for (uint16_t owner = m_keys.FindCommand(key, modifiers); owner != 0; owner = m_keys.FindCommand(key, modifiers)) {
        m_keys.RemoveKey(owner, key, modifiers);
    }
    m_keys.AddKey(command, key, modifiers);
}

std::string CAcceleratorDlg::GetCommandLabel(uint16_t command) const
{
    const SMenuItem* item = FindItem(m_menu, command);
    return item != nullptr ? item->label : std::string();
}
