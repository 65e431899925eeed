#pragma once

#include "app/framework_wnd.h"
#include "views/layer_list_ctrl.h"

// The layer window: the layer list with its scroll bar, a menu of the layer
// commands, a pin and a close button. Unpinned, it closes once a tap has
// chosen another layer, as a popup would.
class CLayerWnd final : public CFrameworkWnd, private CLayerListCtrl::IListener {
public:
    CLayerWnd(ICommandTarget& owner, const CIconManager& icons, SMenuItem menu, bool pinned);

    CLayerListCtrl& GetList() { return m_list; }
    CSize GetDefaultClientSize() const override;
    void OnSize(int width, int height) override;
    void OnScroll(unsigned id, EScroll code, int position) override;

private:
    SMenuItem BuildMenu() const override { return m_menu; }
    void OnCurrentLayerTapped() override;
    void OnListScrolled() override;

    CLayerListCtrl m_list;
    SMenuItem m_menu;
    int m_scrollBar;
};
