#pragma once

#include <map>
#include <vector>

#include "platform/window.h"

// A window host without a screen, for tests: it keeps the capture, the
// timers, the scroll bars and the cursor, records what was presented, and
// lets a test deliver timer ticks or take the capture away as another window
// would.
class CHeadlessWindowHost final : public IWindowHost {
public:
    explicit CHeadlessWindowHost(CWnd& window) : m_window(window) { m_window.AttachHost(this); }
    ~CHeadlessWindowHost() override { m_window.AttachHost(nullptr); }

    void SetCapture() override { m_captured = true; }
    void ReleaseCapture() override;
    bool HasCapture() const override { return m_captured; }
    void SetTimer(int id, int milliseconds) override { m_timers[id] = milliseconds; }
    void KillTimer(int id) override { m_timers.erase(id); }
    void Present(const CRect& rect) override { m_presented.push_back(rect); }
    void SetScrollInfo(EScrollBar bar, const SScrollInfo& info) override { m_scrollInfo[int(bar)] = info; }
    void SetCursor(ECursor cursor) override { m_cursor = cursor; }

    // Another window takes the pointer (a dialog opens, the window loses focus).
    void TakeCaptureAway(CWnd* newOwner);
    // Delivers one tick of a running timer; false when it is not running.
    bool FireTimer(int id);
    bool IsTimerRunning(int id) const { return m_timers.count(id) != 0; }
    // The running timer's interval in milliseconds, 0 when it is not running.
    int GetTimerInterval(int id) const { return IsTimerRunning(id) ? m_timers.at(id) : 0; }

    const std::vector<CRect>& GetPresented() const { return m_presented; }
    void ClearPresented() { m_presented.clear(); }
    const SScrollInfo& GetScrollInfo(EScrollBar bar) const { return m_scrollInfo[int(bar)]; }
    ECursor GetCursor() const { return m_cursor; }

private:
    CWnd& m_window;
    bool m_captured = false;
    std::map<int, int> m_timers;
    std::vector<CRect> m_presented;
    SScrollInfo m_scrollInfo[2];
    ECursor m_cursor = ECursor::Arrow;
};
