#include "bars/layer_display_mode_menu.h"

#include "bars/command_ids.h"

SMenuItem LayerDisplayModeMenu()
{
    // In the order of the modes: every visible layer, the current one alone,
    // with the one in front, with the one behind, with all in front, with all
    // behind.
    const char* const labels[] = {"見えるレイヤすべて", "カレントレイヤのみ",   "カレントと一つ手前",
                                  "カレントと一つ奥",   "カレントと手前すべて", "カレントと奥すべて"};
    std::vector<SMenuItem> items;
    unsigned id = kCmdLayerDisplayModeFirst;
    for (const char* label : labels) {
        items.push_back(SMenuItem::Command(label, id++));
    }
    return SMenuItem::Submenu("表示するレイヤ", std::move(items));
}
