#include "platform/menu.h"

const SMenuItem* FindMenuItem(const std::vector<SMenuItem>& items, unsigned id)
{
    for (const SMenuItem& item : items) {
        if (item.id == id && !item.IsSubmenu()) {
            return &item;
        }
        if (const SMenuItem* found = FindMenuItem(item.items, id)) {
            return found;
        }
    }
    return nullptr;
}
