#pragma once

#include <filesystem>
#include <memory>

#include "views/image_edit_wnd.h"

class CIconManager;
class CLayerWnd;
class CPlayerWnd;
class CPositionWnd;

// The floating tool windows of the main dialog: the layer list, the player
// and the navigator. Each exists only while it is open; their settings live
// on for the whole run. The main dialog hands on what changed in the
// document, and the canvas tells what it shows, so that they keep up.
class CToolWindows final : private CImageEditWnd::IFollower {
public:
    CToolWindows(CImageEditWnd& canvas, const CIconManager& icons);
    ~CToolWindows() override;
    CToolWindows(const CToolWindows&) = delete;
    CToolWindows& operator=(const CToolWindows&) = delete;

    void ToggleLayerWindow();
    void TogglePlayerWindow();
    void TogglePositionWindow();
    void CloseLayerWindow();
    CLayerWnd* GetLayerWnd() const { return m_layerWnd.get(); }
    CPlayerWnd* GetPlayerWnd() const { return m_playerWnd.get(); }
    CPositionWnd* GetPositionWnd() const { return m_positionWnd.get(); }

    // The refreshes the main dialog passes on.
    void OnLayersChanged(bool layerList);
    void OnLayerRowsChanged();
    // Colours changed: every picture and thumbnail is painted again.
    void OnColorsChanged();
    void OnCanvasResized();
    // A new or opened document: the layer window closes, the others show it.
    void OnDocumentInstalled();

    // The windows' states in "LayerWnd", "PlayerWnd" and "PositionWnd" of
    // the settings directory: loading opens the windows that were open when
    // they were saved. A zoom or order the program does not know is read as
    // the default.
    void ExchangeSettings(const std::filesystem::path& directory, bool saving);

private:
    void OnCanvasRepainted() override;
    void OnCanvasRefreshed(const CRect& rect, bool currentLayer, bool otherLayers) override;

    CImageEditWnd& m_canvas;
    const CIconManager& m_icons;
    std::unique_ptr<CLayerWnd> m_layerWnd;
    std::unique_ptr<CLayerWnd> m_closedLayerWnd;
    std::unique_ptr<CPlayerWnd> m_playerWnd;
    std::unique_ptr<CPositionWnd> m_positionWnd;
};
