#pragma once

#include <map>

#include "platform/menu.h"

// Adds the menus of the floating tool windows (the player's with its tool
// and order menus, the layer window's, the navigator's with its tool menu)
// to the popup menus, which already hold the menu bar and the zoom menu.
void AddToolWindowMenus(std::map<int, SMenuItem>& popups);
