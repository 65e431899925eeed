#pragma once

#include <map>
#include <string>
#include <vector>

#include "platform/menu.h"

// The program's menus: the menu bar and the popup menus that tool bar state
// buttons open, all built from one set of items so that every place shows a
// command with the same label and ID.
class CMenuManager {
public:
    using SItemInfo = SMenuItem;

    // Popup menu resources.
    enum EPopupMenu : int {
        kPopupMainMenu = 130,
        kPopupZoom = 132,
        kPopupTools = 133,
        kPopupPenSizes = 134,
        kPopupTones = 135,
        kPopupFillStyles = 137,
        // The tool windows' menus.
        kPopupPlayer = 145,
        kPopupPlayerTools = 146,
        kPopupPlayerOrders = 147,
        kPopupLayerWindow = 148,
        kPopupPosition = 149,
        kPopupPositionTools = 150,
    };

    CMenuManager();

    // The menu bar, one submenu per entry.
    const std::vector<SItemInfo>& GetMainMenu() const { return m_mainMenu; }
    // A popup menu, or null when there is no such resource.
    const SItemInfo* FindPopupMenu(int resource) const;
    // The label of the command's item in the menu bar; empty when none.
    std::string FindLabel(unsigned id) const;

private:
    std::vector<SItemInfo> m_mainMenu;
    std::map<int, SItemInfo> m_popupMenus;
};
