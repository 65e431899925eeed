#include "app/tool_windows.h"

#include <algorithm>

#include "app/ini_profile.h"
#include "bars/menu_manager.h"
#include "commands/command_id_data_manager.h"
#include "model/layer_cache.h"
#include "model/stipplebox_data.h"
#include "views/layer_wnd.h"
#include "views/player_wnd.h"
#include "views/position_wnd.h"

namespace {

// A zoom read from a settings file is one of the levels, or 1.
int ValidZoom(int zoom)
{
    std::vector<int> levels;
    CreateZoomTable().GetValues(levels);
    return std::find(levels.begin(), levels.end(), zoom) != levels.end() ? zoom : 1;
}

}  // namespace

CToolWindows::CToolWindows(ICommandTarget& owner, CImageEditWnd& canvas, const CMenuManager& menus,
                           const CIconManager& icons)
    : m_owner(owner), m_canvas(canvas), m_menus(menus), m_icons(icons)
{
    m_canvas.SetFollower(this);
}

CToolWindows::~CToolWindows()
{
    m_canvas.SetFollower(nullptr);
}

CLayerWnd* CToolWindows::GetLayerWnd() const
{
    return m_layer.Get<CLayerWnd>();
}

CPlayerWnd* CToolWindows::GetPlayerWnd() const
{
    return m_player.Get<CPlayerWnd>();
}

CPositionWnd* CToolWindows::GetPositionWnd() const
{
    return m_position.Get<CPositionWnd>();
}

void CToolWindows::ToggleLayerWindow()
{
    if (m_layer.IsOpen()) {
        CloseLayerWindow();
        return;
    }
    m_layer.Open(std::make_unique<CLayerWnd>(m_owner, m_icons, *m_menus.FindPopupMenu(CMenuManager::kPopupLayerWindow),
                                             m_layerPinned),
                 *m_host, [this] { CloseLayerWindow(); });
    GetLayerWnd()->GetList().Refresh();
}

void CToolWindows::CloseLayerWindow()
{
    if (const CLayerWnd* window = GetLayerWnd()) {
        m_layerPinned = window->IsPinned();
    }
    m_layer.Close();
}

void CToolWindows::TogglePlayerWindow()
{
    if (m_player.IsOpen()) {
        m_player.Close();
        return;
    }
    m_player.Open(std::make_unique<CPlayerWnd>(m_owner, m_menus), *m_host, [this] { m_player.Close(); });
}

void CToolWindows::TogglePositionWindow()
{
    if (m_position.IsOpen()) {
        m_position.Close();
        return;
    }
    m_position.Open(std::make_unique<CPositionWnd>(m_owner, m_menus), *m_host, [this] { m_position.Close(); });
}

void CToolWindows::OnLayersChanged(bool layerList)
{
    if (GetLayerWnd() != nullptr && layerList) {
        GetLayerWnd()->GetList().Refresh();
    }
    if (GetPlayerWnd() != nullptr) {
        GetPlayerWnd()->Refresh();
    }
}

void CToolWindows::OnLayerRowsChanged()
{
    if (GetLayerWnd() != nullptr) {
        GetLayerWnd()->GetList().RefreshRows();
    }
}

void CToolWindows::OnColorsChanged()
{
    if (GetLayerWnd() != nullptr) {
        GetLayerWnd()->GetList().Refresh();
    }
    if (GetPlayerWnd() != nullptr) {
        GetPlayerWnd()->Refresh();
    }
}

void CToolWindows::OnCanvasResized()
{
    if (GetPositionWnd() != nullptr) {
        GetPositionWnd()->Refresh();
    }
    OnColorsChanged();
}

void CToolWindows::OnDocumentInstalled()
{
    CloseLayerWindow();
    if (GetPositionWnd() != nullptr) {
        GetPositionWnd()->Refresh();
    }
    if (GetPlayerWnd() != nullptr) {
        GetPlayerWnd()->Refresh();
    }
}

void CToolWindows::OnCanvasRepainted()
{
    if (GetPositionWnd() != nullptr) {
        GetPositionWnd()->GetImageWnd().RepaintAll(true);
    }
}

void CToolWindows::OnCanvasRefreshed(const CRect& rect, bool currentLayer, bool otherLayers)
{
    if (GetPositionWnd() != nullptr) {
        GetPositionWnd()->GetImageWnd().RefreshImageRect(rect);
    }
    const CStippleboxLayerPtrArray& layers = *CStippleboxAccessor::GetLayers();
    std::vector<int> changed;
    if (otherLayers) {
        changed = m_canvas.GetLayerCache().GetLinkedList();
    } else if (currentLayer) {
        changed = {layers.GetCurrentIndex()};
    }
    if (GetLayerWnd() != nullptr) {
        GetLayerWnd()->GetList().RefreshThumbnails(changed);
    }
    CPlayerWnd* player = GetPlayerWnd();
    if (player != nullptr && std::count(changed.begin(), changed.end(), player->GetImageWnd().GetFrameLayerIndex())) {
        player->Refresh();
    }
}

void CToolWindows::ExchangeSettings(const std::filesystem::path& directory, bool saving)
{
    // One profile a window, with the place and whether it is open.
    const auto exchange = [&directory, saving](const char* file, CToolWindowSlot& slot, const auto& fields) {
        CIniProfile profile(directory / file, !saving, saving);
        fields(profile);
        return slot.ExchangeState(profile, saving);
    };
    CPlayerWnd::SSettings& player = CPlayerWnd::Settings();
    const bool playerVisible = exchange("PlayerWnd", m_player, [&player, saving](CIniProfile& profile) {
        uint8_t order = player.order;
        profile.Exchange(saving, {}, "Zoom", player.zoom);
        profile.Exchange(saving, {}, "Order", order);
        profile.Exchange(saving, {}, "Loop", player.loop);
        player.zoom = ValidZoom(player.zoom);
        player.order = order == kPlayFirstToLastToFirst ? kPlayFirstToLastToFirst : kPlayFirstToLast;
    });
    CPositionWnd::SSettings& position = CPositionWnd::Settings();
    const bool positionVisible = exchange("PositionWnd", m_position, [&position, saving](CIniProfile& profile) {
        profile.Exchange(saving, {}, "Zoom", position.zoom);
        position.zoom = ValidZoom(position.zoom);
    });
    if (saving && GetLayerWnd() != nullptr) {
        m_layerPinned = GetLayerWnd()->IsPinned();
    }
    const bool layerVisible = exchange("LayerWnd", m_layer, [this, saving](CIniProfile& profile) {
        profile.Exchange(saving, {}, "Pin", m_layerPinned);
    });
    if (saving) {
        return;
    }
    if (positionVisible != m_position.IsOpen()) {
        TogglePositionWindow();
    }
    if (playerVisible != m_player.IsOpen()) {
        TogglePlayerWindow();
    }
    if (layerVisible != m_layer.IsOpen()) {
        ToggleLayerWindow();
    }
}
