#include "app/tool_windows.h"

#include <algorithm>

#include "app/ini_profile.h"
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

CToolWindows::CToolWindows(CImageEditWnd& canvas, const CIconManager& icons) : m_canvas(canvas), m_icons(icons)
{
    m_canvas.SetFollower(this);
}

CToolWindows::~CToolWindows()
{
    m_canvas.SetFollower(nullptr);
}

void CToolWindows::ToggleLayerWindow()
{
    if (m_layerWnd) {
        CloseLayerWindow();
        return;
    }
    m_closedLayerWnd.reset();
    m_layerWnd = std::make_unique<CLayerWnd>(m_icons, [this] { CloseLayerWindow(); });
    m_layerWnd->GetList().Refresh();
}

void CToolWindows::CloseLayerWindow()
{
    // The window may be closing itself from inside its own pointer handler:
    // it lives on, closed, until the next one opens.
    if (m_layerWnd) {
        m_closedLayerWnd = std::move(m_layerWnd);
    }
}

void CToolWindows::TogglePlayerWindow()
{
    if (m_playerWnd) {
        m_playerWnd.reset();
        return;
    }
    m_playerWnd = std::make_unique<CPlayerWnd>();
}

void CToolWindows::TogglePositionWindow()
{
    if (m_positionWnd) {
        m_positionWnd.reset();
        return;
    }
    m_positionWnd = std::make_unique<CPositionWnd>();
}

void CToolWindows::OnLayersChanged(bool layerList)
{
    if (m_layerWnd && layerList) {
        m_layerWnd->GetList().Refresh();
    }
    if (m_playerWnd) {
        m_playerWnd->Refresh();
    }
}

void CToolWindows::OnLayerRowsChanged()
{
    if (m_layerWnd) {
        m_layerWnd->GetList().RefreshRows();
    }
}

void CToolWindows::OnColorsChanged()
{
    if (m_layerWnd) {
        m_layerWnd->GetList().Refresh();
    }
    if (m_playerWnd) {
        m_playerWnd->Refresh();
    }
}

void CToolWindows::OnCanvasResized()
{
    if (m_positionWnd) {
        m_positionWnd->Refresh();
    }
    OnColorsChanged();
}

void CToolWindows::OnDocumentInstalled()
{
    CloseLayerWindow();
    if (m_positionWnd) {
        m_positionWnd->Refresh();
    }
    if (m_playerWnd) {
        m_playerWnd->Refresh();
    }
}

void CToolWindows::OnCanvasRepainted()
{
    if (m_positionWnd) {
        m_positionWnd->GetImageWnd().RepaintAll(true);
    }
}

void CToolWindows::OnCanvasRefreshed(const CRect& rect, bool currentLayer, bool otherLayers)
{
    if (m_positionWnd) {
        m_positionWnd->GetImageWnd().RefreshImageRect(rect);
    }
    const CStippleboxLayerPtrArray& layers = *CStippleboxAccessor::GetLayers();
    std::vector<int> changed;
    if (otherLayers) {
        changed = m_canvas.GetLayerCache().GetLinkedList();
    } else if (currentLayer) {
        changed = {layers.GetCurrentIndex()};
    }
    if (m_layerWnd) {
        m_layerWnd->GetList().RefreshThumbnails(changed);
    }
    if (m_playerWnd && std::count(changed.begin(), changed.end(), m_playerWnd->GetImageWnd().GetFrameLayerIndex())) {
        m_playerWnd->Refresh();
    }
}

void CToolWindows::ExchangeSettings(const std::filesystem::path& directory, bool saving)
{
    // One profile a window; "Visible" says whether it is open.
    const auto exchange = [&directory, saving](const char* file, bool open, const auto& fields) {
        CIniProfile profile(directory / file, !saving, saving);
        fields(profile);
        bool visible = open;
        profile.Exchange(saving, {}, "Visible", visible);
        return visible;
    };
    CPlayerWnd::SSettings& player = CPlayerWnd::Settings();
    const bool playerVisible = exchange("PlayerWnd", bool(m_playerWnd), [&player, saving](CIniProfile& profile) {
        uint8_t order = player.order;
        profile.Exchange(saving, {}, "Rect", player.rect);
        profile.Exchange(saving, {}, "Zoom", player.zoom);
        profile.Exchange(saving, {}, "Order", order);
        profile.Exchange(saving, {}, "Loop", player.loop);
        player.zoom = ValidZoom(player.zoom);
        player.order = order == kPlayFirstToLastToFirst ? kPlayFirstToLastToFirst : kPlayFirstToLast;
    });
    CPositionWnd::SSettings& position = CPositionWnd::Settings();
    const bool positionVisible =
        exchange("PositionWnd", bool(m_positionWnd), [&position, saving](CIniProfile& profile) {
            profile.Exchange(saving, {}, "Rect", position.rect);
            profile.Exchange(saving, {}, "Zoom", position.zoom);
            position.zoom = ValidZoom(position.zoom);
        });
    CLayerWnd::SSettings& layer = CLayerWnd::Settings();
    const bool layerVisible = exchange("LayerWnd", bool(m_layerWnd), [&layer, saving](CIniProfile& profile) {
        profile.Exchange(saving, {}, "Rect", layer.rect);
        profile.Exchange(saving, {}, "Pin", layer.pinned);
    });
    if (saving) {
        return;
    }
    if (positionVisible != bool(m_positionWnd)) {
        TogglePositionWindow();
    }
    if (playerVisible != bool(m_playerWnd)) {
        TogglePlayerWindow();
    }
    if (layerVisible != bool(m_layerWnd)) {
        ToggleLayerWindow();
    }
}
