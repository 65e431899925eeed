#pragma once

#include <filesystem>

#include "app/tool_window_slot.h"
#include "views/image_edit_wnd.h"

class CIconManager;
class CLayerWnd;
class CMenuManager;
class CPlayerWnd;
class CPositionWnd;
class ICommandTarget;
class IDialogHost;

// The floating tool windows of the main dialog: the layer list, the player
// and the navigator. Each exists only while it is open; their settings live
// on for the whole run. The main dialog hands on what changed in the
// document, and the canvas tells what it shows, so that they keep up.
class CToolWindows final : private CImageEditWnd::IFollower {
public:
    // Commands the windows do not handle go to the owner.
    CToolWindows(ICommandTarget& owner, CImageEditWnd& canvas, const CMenuManager& menus, const CIconManager& icons);
    ~CToolWindows() override;
    CToolWindows(const CToolWindows&) = delete;
    CToolWindows& operator=(const CToolWindows&) = delete;

    // The window whose frames carry the tool windows; none opens before.
    void SetHost(IDialogHost& host) { m_host = &host; }

    void ToggleLayerWindow();
    void TogglePlayerWindow();
    void TogglePositionWindow();
    void CloseLayerWindow();
    // Null while closed.
    CLayerWnd* GetLayerWnd() const;
    CPlayerWnd* GetPlayerWnd() const;
    CPositionWnd* GetPositionWnd() const;

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

    ICommandTarget& m_owner;
    CImageEditWnd& m_canvas;
    const CMenuManager& m_menus;
    const CIconManager& m_icons;
    IDialogHost* m_host = nullptr;
    CToolWindowSlot m_layer;
    CToolWindowSlot m_player;
    CToolWindowSlot m_position;
    // Whether the layer window is pinned, kept while it is closed.
    bool m_layerPinned = true;
};
