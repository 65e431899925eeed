#pragma once

#include "app/framework_wnd.h"
#include "bars/command_ids.h"
#include "views/position_image_wnd.h"

class CMenuManager;

// The navigator: a second view of the whole picture at a zoom of its own, in
// which the canvas's visible part is outlined and can be dragged.
class CPositionWnd final : public CFrameworkWnd {
public:
    // Kept for the whole run, whether the window is open or not.
    struct SSettings {
        int zoom = 1;
        unsigned tool = kCmdPositionTool;
    };
    static SSettings& Settings();

    CPositionWnd(ICommandTarget& owner, const CMenuManager& menus);

    CPositionImageWnd& GetImageWnd() { return m_imageWnd; }
    CSize GetDefaultClientSize() const override;
    void OnSize(int width, int height) override;
    // A new document or canvas size: the view is laid out again.
    void Refresh();

private:
    SMenuItem BuildMenu() const override { return m_menu; }
    void SelectTool(unsigned id);
    void SetZoom(int zoom);

    CPositionImageWnd m_imageWnd;
    SMenuItem m_menu;
};
