#include "palette/palette_wnd_menu.h"

#include <algorithm>

#include "bars/command_ids.h"

namespace {

using Item = SMenuItem;

}  // namespace

std::vector<SMenuItem> PaletteToolItems()
{
    return {Item::Command("通常カーソル", kCmdPaletteToolNormal), Item::Command("カラーマスクを指定", kCmdPaletteToolMask),
            Item::Command("直線選択", kCmdPaletteToolSelectLine),
            Item::Command("長方形選択", kCmdPaletteToolSelectRect)};
}

std::string PaletteToolLabel(unsigned id)
{
    const std::vector<SMenuItem> tools = PaletteToolItems();
    const auto found = std::find_if(tools.begin(), tools.end(), [id](const SMenuItem& item) { return item.id == id; });
    return found != tools.end() ? found->label : std::string();
}

SMenuItem BuildPaletteWndMenu(const std::vector<std::string>& paletteNames)
{
    std::vector<Item> items = PaletteToolItems();
    const std::vector<Item> rest = {
        Item::Separator(),
        Item::Command("ドラッグで色をコピー", kCmdPaletteDragCopy),
        Item::Command("ドラッグで色を入れ替え", kCmdPaletteDragSwap),
        Item::Command("ドラッグで色を挿入移動", kCmdPaletteDragInsert),
        Item::Command("画像の見た目を維持", kCmdPaletteKeepLook),
        Item::Separator(),
        Item::Command("RGB", kCmdColorSpaceFirst),
        Item::Command("HSV", kCmdColorSpaceFirst + 1),
        Item::Command("HLS", kCmdColorSpaceFirst + 2),
        Item::Separator(),
        Item::Command("グラデーション", kCmdGradation),
        Item::Command("カラーマスクをクリア", kCmdColorMaskClear),
        Item::Command("カラーマスクを反転", kCmdColorMaskInvert),
        Item::Separator(),
        Item::Command("パレットの追加", kCmdPaletteAdd),
        Item::Command("パレットの削除", kCmdPaletteDelete),
        Item::Command("パレットのプロパティ...", kCmdPaletteProperty),
        Item::Command("パレットの読み込み...", kCmdPaletteImport),
        Item::Command("パレットの書き出し...", kCmdPaletteExport),
        Item::Separator(),
    };
    items.insert(items.end(), rest.begin(), rest.end());
    const size_t listed = std::min(paletteNames.size(), size_t(kCmdPaletteChooseLast - kCmdPaletteChooseFirst + 1));
    for (size_t i = 0; i < listed; ++i) {
        // An empty label would make a separator.
        const std::string label = paletteNames[i].empty() ? "パレット" + std::to_string(i + 1) : paletteNames[i];
        items.push_back(Item::Command(label, kCmdPaletteChooseFirst + unsigned(i)));
    }
    items.push_back(Item::Separator());
    items.push_back(Item::Command("ピン留め", kCmdWindowPin));
    items.push_back(Item::Command("閉じる", kCmdWindowClose));
    return Item::Submenu("パレット", std::move(items));
}
