#pragma once

#include <functional>

#include "views/layer_list_ctrl.h"

class ICmdUI;

// The layer window: the layer list with a menu of the layer commands, a pin
// and a close button. Unpinned, it closes once a tap has chosen another
// layer, as a popup would.
class CLayerWnd : private CLayerListCtrl::IListener {
public:
    // Kept for the whole run, whether the window is open or not.
    struct SSettings {
        bool pinned = true;
        CRect rect;
    };
    static SSettings& Settings();

    // close asks the owner to close the window.
    CLayerWnd(const CIconManager& icons, std::function<void()> close) : m_list(icons, this), m_close(std::move(close))
    {
    }

    CLayerListCtrl& GetList() { return m_list; }
    // Called when the list's scroll position or range changed.
    void SetScrollChangedHandler(std::function<void()> handler) { m_scrollChanged = std::move(handler); }

    // Pin and close; false for any other ID (the layer commands of the menu
    // belong to the main dialog).
    bool OnCommand(unsigned id);
    void OnUpdateCommand(ICmdUI& cmdUI);

private:
    void OnCurrentLayerTapped() override;
    void OnListScrolled() override;

    CLayerListCtrl m_list;
    std::function<void()> m_close;
    std::function<void()> m_scrollChanged;
};
