#pragma once

#include <memory>
#include <string>
#include <vector>

#include "app/framework_wnd.h"
#include "platform/headless_window_host.h"

// A tool window's frame without a screen: it lays the window out at its
// default client size, carries each child in a headless window host, and
// records popups and a posted close, which the test delivers.
class CHeadlessToolWindow final : public IToolWindowHost {
public:
    // Opens at the place, or at a default place when it is empty.
    CHeadlessToolWindow(CFrameworkWnd& window, const CRect& place);
    ~CHeadlessToolWindow() override;

    void SetWindowText(const std::string& text) override { m_title = text; }
    void MoveChild(CWnd& child, const CRect& rect) override;
    void ShowLabel(int, const CFrameworkWnd::SLabel&) override {}
    void ShowScrollBar(int, const CFrameworkWnd::SScrollBar&) override {}
    void UpdateButtons() override {}
    CRect GetCommandSourceRect() const override { return m_commandSource; }
    void TrackPopupMenu(const SMenuItem& menu, CPoint point) override { m_popups.push_back({menu, point}); }
    void PostClose() override { m_closePosted = true; }
    CRect GetWindowRect() const override { return m_place; }
    void Activate() override { ++m_activations; }

    // The frame's client area gets a new size.
    void Resize(CSize client);
    // Runs a button's command as its click would, the button at source.
    bool ClickButton(unsigned id, const CRect& source);
    // Delivers the posted close. The close handler usually destroys this
    // frame, so nothing may use it afterwards.
    void DeliverPostedClose();

    struct SPopup {
        SMenuItem menu;
        CPoint point;
    };
    const std::string& GetTitle() const { return m_title; }
    const std::vector<SPopup>& GetPopups() const { return m_popups; }
    bool IsClosePosted() const { return m_closePosted; }
    int GetActivations() const { return m_activations; }
    CHeadlessWindowHost& ChildHost(const CWnd& child);
    void MoveTo(const CRect& place) { m_place = place; }

private:
    struct SChild {
        std::unique_ptr<CHeadlessWindowHost> host;
        CSize size;
    };
    size_t IndexOf(const CWnd& child) const;

    CFrameworkWnd& m_window;
    std::vector<SChild> m_children;
    std::string m_title;
    std::vector<SPopup> m_popups;
    CRect m_place;
    CRect m_commandSource;
    bool m_closePosted = false;
    int m_activations = 0;
};
