#include "bars/tool_window_menus.h"

#include <algorithm>

#include "bars/command_ids.h"
#include "bars/menu_manager.h"

namespace {

using Item = SMenuItem;

// The zoom levels with zoom in and out.
std::vector<Item> ZoomItems(const std::map<int, Item>& popups)
{
    std::vector<Item> items = popups.at(CMenuManager::kPopupZoom).items;
    items.push_back(Item::Separator());
    items.push_back(Item::Command("拡大", kCmdZoomIn));
    items.push_back(Item::Command("縮小", kCmdZoomOut));
    return items;
}

// The submenu of the menu bar whose items include the command.
std::vector<Item> MenuBarSubmenuWith(const std::map<int, Item>& popups, unsigned id)
{
    const std::vector<Item>& bar = popups.at(CMenuManager::kPopupMainMenu).items;
    const auto found = std::find_if(bar.begin(), bar.end(), [id](const Item& submenu) {
        return std::any_of(submenu.items.begin(), submenu.items.end(), [id](const Item& item) { return item.id == id; });
    });
    return found == bar.end() ? std::vector<Item>() : found->items;
}

std::vector<Item> Joined(std::initializer_list<std::vector<Item>> groups)
{
    std::vector<Item> items;
    for (const std::vector<Item>& group : groups) {
        if (!items.empty()) {
            items.push_back(Item::Separator());
        }
        items.insert(items.end(), group.begin(), group.end());
    }
    return items;
}

}  // namespace

void AddToolWindowMenus(std::map<int, SMenuItem>& popups)
{
    using M = CMenuManager;
    const std::vector<Item> playerTools = {Item::Command("コマ送り", kCmdPlayerToolFrame),
                                           Item::Command("スクロール", kCmdToolScroll)};
    const std::vector<Item> orders = {Item::Command("初→終", kCmdPlayerOrderFirstToLast),
                                      Item::Command("初→終→初", kCmdPlayerOrderThereAndBack)};
    const std::vector<Item> close = {Item::Command("閉じる", kCmdWindowClose)};
    popups.emplace(M::kPopupPlayerTools, Item::Submenu("ツール", playerTools));
    popups.emplace(M::kPopupPlayerOrders, Item::Submenu("順序", orders));
    popups.emplace(M::kPopupPlayer,
                   Item::Submenu("プレイヤ", Joined({playerTools,
                                                     {Item::Command("巻き戻し", kCmdPlayerRewind),
                                                      Item::Command("再生", kCmdPlayerPlay),
                                                      Item::Command("ループ", kCmdPlayerLoop)},
                                                     orders,
                                                     ZoomItems(popups),
                                                     {Item::Command("100％", kCmdPlayerSpeed100)},
                                                     close})));
    popups.emplace(M::kPopupLayerWindow,
                   Item::Submenu("レイヤ", Joined({MenuBarSubmenuWith(popups, kCmdLayerAdd), close})));
    const std::vector<Item> positionTools = {Item::Command("ポジション", kCmdPositionTool),
                                             Item::Command("スクロール", kCmdToolScroll)};
    popups.emplace(M::kPopupPositionTools, Item::Submenu("ツール", positionTools));
    popups.emplace(M::kPopupPosition,
                   Item::Submenu("ポジション", Joined({ZoomItems(popups), positionTools, close})));
}
