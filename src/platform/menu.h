#pragma once

#include <string>
#include <vector>

// One entry of a menu: a command item (label and command ID), a submenu
// (label and items) or a separator (no label).
struct SMenuItem {
    std::string label;
    unsigned id = 0;
    std::vector<SMenuItem> items;

    static SMenuItem Command(std::string label, unsigned id) { return {std::move(label), id, {}}; }
    static SMenuItem Submenu(std::string label, std::vector<SMenuItem> items)
    {
        return {std::move(label), 0, std::move(items)};
    }
    static SMenuItem Separator() { return {}; }

    bool IsSeparator() const { return label.empty(); }
    bool IsSubmenu() const { return !label.empty() && id == 0; }
};

// The command item with the ID in the items or their submenus, or null.
const SMenuItem* FindMenuItem(const std::vector<SMenuItem>& items, unsigned id);
