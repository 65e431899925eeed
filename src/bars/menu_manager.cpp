#include "bars/menu_manager.h"

#include <initializer_list>

#include "bars/command_ids.h"
#include "bars/layer_display_mode_menu.h"
#include "bars/tool_window_menus.h"
#include "model/delay.h"

namespace {

using Item = SMenuItem;

std::vector<Item> ZoomItems()
{
    return {Item::Command("等倍", kCmdZoom1),   Item::Command("x 2", kCmdZoom2),   Item::Command("x 4", kCmdZoom4),
            Item::Command("x 8", kCmdZoom8),    Item::Command("x 12", kCmdZoom12), Item::Command("x 16", kCmdZoom16),
            Item::Command("x 24", kCmdZoom24),  Item::Command("x 32", kCmdZoom32)};
}

std::vector<Item> ToolItems()
{
    return {Item::Command("スクロール", kCmdToolScroll),
            Item::Separator(),
            Item::Command("自由曲線", kCmdToolFreehand),
            Item::Command("直線", kCmdToolLine),
            Item::Command("長方形", kCmdToolRectangle),
            Item::Command("長方形塗りつぶし", kCmdToolFilledRectangle),
            Item::Command("楕円形", kCmdToolEllipse),
            Item::Command("楕円形塗りつぶし", kCmdToolFilledEllipse),
            Item::Command("塗りつぶし", kCmdToolFill),
            Item::Separator(),
            Item::Command("長方形選択", kCmdToolSelectRectangle),
            Item::Command("同色範囲選択", kCmdToolSelectSameColor),
            Item::Command("色選択", kCmdToolSelectColor),
            Item::Command("自由選択", kCmdToolSelectFree)};
}

// Items whose IDs follow one another from the first.
std::vector<Item> ConsecutiveItems(std::initializer_list<const char*> labels, unsigned firstId)
{
    std::vector<Item> items;
    unsigned id = firstId;
    for (const char* label : labels) {
        items.push_back(Item::Command(label, id++));
    }
    return items;
}

std::vector<Item> PenSizeItems()
{
    return ConsecutiveItems({"1", "2", "4", "6", "10"}, kCmdPenSizeFirst);
}

std::vector<Item> ToneItems()
{
    return ConsecutiveItems({"100%", "87.5%", "75%", "62.5%", "50%", "37.5%", "25%", "12.5%"}, kCmdToneFirst);
}

std::vector<Item> FillStyleItems()
{
    return ConsecutiveItems({"通常", "内縁", "外縁", "水平線", "垂直線"}, kCmdFillStyleFirst);
}

std::vector<Item> DelayUnitItems()
{
    std::vector<Item> items;
    for (unsigned id = kCmdDelayUnitFirst; id <= kCmdDelayUnitLast; ++id) {
        items.push_back(Item::Command(GetDelayUnitLabel(int(id - kCmdDelayUnitFirst) + 1), id));
    }
    return items;
}

std::vector<Item> ToolbarItems()
{
    std::vector<Item> items = ConsecutiveItems({"メインツールバー", "ユーザー定義1", "ユーザー定義2", "ユーザー定義3",
                                                "ユーザー定義4", "パレットツールバー", "エディットツールバー"},
                                               kCmdToolbarFirst);
    items.push_back(Item::Separator());
    items.push_back(Item::Command("カスタマイズ...", kCmdCustomizeToolbars));
    return items;
}

std::vector<Item> BuildMainMenu()
{
    return {
        Item::Submenu("ファイル", {Item::Command("新規作成...", kCmdFileNew), Item::Command("開く...", kCmdFileOpen),
                                   Item::Command("アニメGIFをレイヤとして開く...", kCmdOpenGifLayers),
                                   Item::Command("上書き保存", kCmdFileSave),
                                   Item::Command("名前を付けて保存...", kCmdFileSaveAs), Item::Separator(),
                                   Item::Command("レイヤを連番で書き出す...", kCmdExportLayers),
                                   Item::Command("レイヤアニメをアニメGIFで書き出す...", kCmdExportAnimatedGif),
                                   Item::Command("スプライトシートで書き出す...", kCmdExportSpriteSheet),
                                   Item::Separator(), Item::Command("終了", kCmdExit)}),
        Item::Submenu("編集", {Item::Command("元に戻す", kCmdUndo), Item::Command("やり直す", kCmdRedo),
                               Item::Separator(), Item::Command("切り取り", kCmdCut), Item::Command("コピー", kCmdCopy),
                               Item::Command("貼り付け", kCmdPaste), Item::Command("削除", kCmdDelete),
                               Item::Separator(), Item::Command("すべて選択", kCmdSelectAll),
                               Item::Command("範囲の解除", kCmdSelectNone), Item::Separator(),
                               Item::Command("左右反転", kCmdFlipHorizontal),
                               Item::Command("上下反転", kCmdFlipVertical),
                               Item::Command("キャンバスの大きさ...", kCmdCanvasSize),
                               Item::Command("拡大・縮小...", kCmdScaling), Item::Command("回転...", kCmdRotate)}),
        Item::Submenu("ツール", [] {
            std::vector<Item> items = ToolItems();
            items.push_back(Item::Separator());
            items.push_back(Item::Submenu("ペンサイズ", PenSizeItems()));
            items.push_back(Item::Submenu("トーン", ToneItems()));
            items.push_back(Item::Submenu("塗りつぶしスタイル", FillStyleItems()));
            items.push_back(Item::Separator());
            items.push_back(Item::Command("グリッドへスナップ", kCmdSnapToGrid));
            items.push_back(Item::Command("選択範囲の背景色を透過", kCmdTransparentSelection));
            items.push_back(Item::Command("スポイト", kCmdEyedropper));
            items.push_back(Item::Command("ピクセルパーフェクト", kCmdPixelPerfect));
            return items;
        }()),
        Item::Submenu("表示", [] {
            std::vector<Item> items = ZoomItems();
            items.push_back(Item::Separator());
            items.push_back(Item::Command("拡大", kCmdZoomIn));
            items.push_back(Item::Command("縮小", kCmdZoomOut));
            items.push_back(Item::Separator());
            items.push_back(Item::Command("グリッド", kCmdGrid));
            items.push_back(Item::Command("グリッド...", kCmdGridSettings));
            items.push_back(Item::Command("オニオンスキン", kCmdOnionSkin));
            items.push_back(LayerDisplayModeMenu());
            items.push_back(Item::Separator());
            items.push_back(Item::Submenu(
                "画面のスクロール",
                {Item::Command("左へスクロール", kCmdScrollLeft), Item::Command("右へスクロール", kCmdScrollRight),
                 Item::Command("上へスクロール", kCmdScrollUp), Item::Command("下へスクロール", kCmdScrollDown)}));
            return items;
        }()),
        Item::Submenu("レイヤ", {Item::Command("レイヤの追加", kCmdLayerAdd),
                                 Item::Command("レイヤの削除", kCmdLayerDelete),
                                 Item::Command("レイヤの複製", kCmdLayerDuplicate),
                                 Item::Command("レイヤのプロパティ...", kCmdLayerProperty), Item::Separator(),
                                 Item::Command("下のレイヤと合成", kCmdLayerMergeDown),
                                 Item::Command("全てのレイヤを合成", kCmdLayerMergeAll), Item::Separator(),
                                 Item::Command("一つ上のレイヤ", kCmdLayerUp),
                                 Item::Command("一つ下のレイヤ", kCmdLayerDown), Item::Separator(),
                                 Item::Command("全ディレイ一括変更...", kCmdDelayAll),
                                 Item::Submenu("ディレイの単位", DelayUnitItems())}),
        Item::Submenu("パレット", {Item::Command("描画色の編集...", kCmdEditDrawingColor),
                                   Item::Command("背景色の編集...", kCmdEditBackgroundColor), Item::Separator(),
                                   Item::Command("パレットのプロパティ...", kCmdPaletteProperty),
                                   Item::Command("グラデーション", kCmdGradation), Item::Separator(),
                                   Item::Command("カラーマスクをクリア", kCmdColorMaskClear),
                                   Item::Command("カラーマスクを反転", kCmdColorMaskInvert)}),
        Item::Submenu("ウィンドウ",
                      {Item::Command("ポジション", kCmdPositionWindow), Item::Command("レイヤ", kCmdLayerWindow),
                       Item::Command("プレイヤ", kCmdPlayerWindow), Item::Separator(),
                       Item::Submenu("ツールバー", ToolbarItems()),
                       Item::Submenu("ツールバーのボタン",
                                     {Item::Command("メニュー", kCmdMenuButton),
                                      Item::Command("表示倍率選択", kCmdZoomButton),
                                      Item::Command("ツール選択", kCmdToolButton),
                                      Item::Command("ペンサイズ選択", kCmdPenSizeButton),
                                      Item::Command("トーン選択", kCmdToneButton),
                                      Item::Command("塗りつぶしスタイル選択", kCmdFillStyleButton)})}),
        Item::Submenu("設定", {Item::Command("ショートカットキー...", kCmdShortcutKeys),
                               Item::Command("ツール補助キー...", kCmdToolSubKeys),
                               Item::Command("全般...", kCmdGeneralSettings)}),
        Item::Submenu("ヘルプ", {Item::Command("バージョン情報...", kCmdVersion)}),
    };
}

}  // namespace

CMenuManager::CMenuManager() : m_mainMenu(BuildMainMenu())
{
    m_popupMenus.emplace(kPopupMainMenu, Item::Submenu("メニュー", m_mainMenu));
    m_popupMenus.emplace(kPopupZoom, Item::Submenu("表示倍率", ZoomItems()));
    m_popupMenus.emplace(kPopupTools, Item::Submenu("ツール", ToolItems()));
    m_popupMenus.emplace(kPopupPenSizes, Item::Submenu("ペンサイズ", PenSizeItems()));
    m_popupMenus.emplace(kPopupTones, Item::Submenu("トーン", ToneItems()));
    m_popupMenus.emplace(kPopupFillStyles, Item::Submenu("塗りつぶしスタイル", FillStyleItems()));
    AddToolWindowMenus(m_popupMenus);
}

const CMenuManager::SItemInfo* CMenuManager::FindPopupMenu(int resource) const
{
    const auto found = m_popupMenus.find(resource);
    return found == m_popupMenus.end() ? nullptr : &found->second;
}

std::string CMenuManager::FindLabel(unsigned id) const
{
    const Item* item = FindMenuItem(m_mainMenu, id);
    return item == nullptr ? std::string() : item->label;
}
