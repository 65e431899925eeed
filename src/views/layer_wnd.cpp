#include "views/layer_wnd.h"

#include "bars/command_ids.h"
#include "platform/window.h"

namespace {

constexpr unsigned kScrollBarId = 1;
constexpr int kScrollBarUnits = 8;

}  // namespace

CLayerWnd::CLayerWnd(ICommandTarget& owner, const CIconManager& icons, SMenuItem menu, bool pinned)
    : CFrameworkWnd(owner), m_list(icons, this), m_menu(std::move(menu)), m_scrollBar(AddScrollBar(kScrollBarId, true))
{
    SetTitle("レイヤ");
    AddChild(m_list);
    AddButton(kCmdMenuButton, "メニュー");
    AddButton(kCmdWindowPin, "ピン留め");
    SetPinned(pinned);
}

CSize CLayerWnd::GetDefaultClientSize() const
{
    const int unit = GetDisplayScale();
    return {160 * unit, 8 * CLayerListCtrl::GetRowHeight()};
}

void CLayerWnd::OnSize(int width, int height)
{
    const int bar = kScrollBarUnits * GetDisplayScale();
    MoveChild(m_list, {0, 0, width - bar, height});
    MoveScrollBar(m_scrollBar, {width - bar, 0, width, height});
}

void CLayerWnd::OnScroll(unsigned, EScroll code, int position)
{
    const int row = CLayerListCtrl::GetRowHeight();
    const int page = std::max(row, m_list.GetPageHeight() - row);
    const int top = m_list.GetScrollPosition();
    switch (code) {
    case EScroll::kLineBack:
        m_list.SetScrollPosition(top - row);
        break;
    case EScroll::kLineForward:
        m_list.SetScrollPosition(top + row);
        break;
    case EScroll::kPageBack:
        m_list.SetScrollPosition(top - page);
        break;
    case EScroll::kPageForward:
        m_list.SetScrollPosition(top + page);
        break;
    case EScroll::kThumbPosition:
    case EScroll::kThumbTrack:
        m_list.SetScrollPosition(position);
        break;
    case EScroll::kFirst:
        m_list.SetScrollPosition(0);
        break;
    case EScroll::kLast:
        m_list.SetScrollPosition(m_list.GetScrollMaximum());
        break;
    }
    OnListScrolled();
}

void CLayerWnd::OnCurrentLayerTapped()
{
    if (!IsPinned()) {
        Close();
    }
}

void CLayerWnd::OnListScrolled()
{
    SetScrollBar(m_scrollBar, 0, m_list.GetScrollMaximum(), CLayerListCtrl::GetRowHeight(), m_list.GetPageHeight(),
                 m_list.GetScrollPosition());
}
