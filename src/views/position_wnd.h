#pragma once

#include <functional>

#include "bars/command_ids.h"
#include "model/geometry.h"
#include "views/position_image_wnd.h"

class ICmdUI;

// The navigator: a second view of the whole picture at a zoom of its own, in
// which the canvas's visible part is outlined and can be dragged.
class CPositionWnd {
public:
    // Kept for the whole run, whether the window is open or not.
    struct SSettings {
        int zoom = 1;
        unsigned tool = kCmdPositionTool;
        CRect rect;
    };
    static SSettings& Settings();

    CPositionWnd();

    CPositionImageWnd& GetImageWnd() { return m_imageWnd; }
    // Called whenever the buttons' states may have changed.
    void SetButtonsChangedHandler(std::function<void()> handler) { m_buttonsChanged = std::move(handler); }

    // False when the ID is not the navigator's.
    bool OnCommand(unsigned id);
    void OnUpdateCommand(ICmdUI& cmdUI);
    // A new document or canvas size: the view is laid out again.
    void Refresh();

private:
    void SelectTool(unsigned id);
    void ButtonsChanged();

    CPositionImageWnd m_imageWnd;
    std::function<void()> m_buttonsChanged;
};
