#pragma once

#include <cstdint>

#include "model/geometry.h"

class CDibSection;

// Key flags that come with pointer messages.
enum : unsigned {
    MK_LBUTTON = 0x0001,
    MK_RBUTTON = 0x0002,
    MK_SHIFT = 0x0004,
    MK_CONTROL = 0x0008,
    MK_MBUTTON = 0x0010,
};

// One notch of a mouse wheel.
constexpr int WHEEL_DELTA = 120;

enum class EScrollBar { Horizontal, Vertical };

enum class ECursor { Arrow, OpenHand };

// What a window's scroll bar shows: positions from minimum to maximum, a
// page of the visible extent, the position; disabled when nothing scrolls.
struct SScrollInfo {
    int minimum = 0;
    int maximum = 0;
    int page = 0;
    int position = 0;
    bool enabled = false;
    bool operator==(const SScrollInfo&) const = default;
};

class CWnd;

// What a toolkit-free window needs from the screen it lives on. The real
// program hosts windows in Qt widgets; tests use a headless host.
class IWindowHost {
public:
    virtual ~IWindowHost() = default;

    // Pointer capture. Releasing it, or another window taking it, tells the
    // window through OnCaptureChanged before the call returns.
    virtual void SetCapture() = 0;
    virtual void ReleaseCapture() = 0;
    virtual bool HasCapture() const = 0;

    // Timers deliver OnTimer(id) on the user-interface thread.
    virtual void SetTimer(int id, int milliseconds) = 0;
    virtual void KillTimer(int id) = 0;

    // Copies a rectangle of the window's back buffer (client coordinates) to
    // the screen.
    virtual void Present(const CRect& rect) = 0;

    // Shows the window's scroll bar; a host without scroll bars ignores it.
    virtual void SetScrollInfo(EScrollBar, const SScrollInfo&) {}
    // The pointer's shape over the window; a host without one ignores it.
    virtual void SetCursor(ECursor) {}
};

// Base of the program's windows: receives pointer, timer and size messages in
// client coordinates and paints into its own back buffer.
class CWnd {
public:
    virtual ~CWnd() = default;

    void AttachHost(IWindowHost* host) { m_host = host; }
    IWindowHost* GetHost() const { return m_host; }

    virtual void OnLButtonDown(unsigned flags, CPoint point);
    virtual void OnLButtonDblClk(unsigned flags, CPoint point);
    virtual void OnLButtonUp(unsigned flags, CPoint point);
    virtual void OnMouseMove(unsigned flags, CPoint point);
    virtual void OnMButtonDown(unsigned flags, CPoint point);
    virtual void OnMButtonUp(unsigned flags, CPoint point);
    // delta is WHEEL_DELTA per notch: positive turned away from the user, or
    // for a horizontal wheel, to the right.
    virtual void OnMouseWheel(unsigned flags, int delta, CPoint point);
    virtual void OnMouseHWheel(unsigned flags, int delta, CPoint point);
    // The user moved a scroll bar to the position.
    virtual void OnHScroll(int position);
    virtual void OnVScroll(int position);
    // The capture went to another window (or was released): newOwner is that
    // window, or null.
    virtual void OnCaptureChanged(CWnd* newOwner);
    virtual void OnTimer(int id);
    virtual void OnSize(int width, int height);

    // The back buffer the host shows; null until the window has a size.
    virtual const CDibSection* GetBackBuffer() const;

    void SetCapture();
    void ReleaseCapture();
    bool HasCapture() const;
    void SetTimer(int id, int milliseconds);
    void KillTimer(int id);
    void Present(const CRect& rect);
    void SetScrollInfo(EScrollBar bar, const SScrollInfo& info);
    void SetCursor(ECursor cursor);

private:
    IWindowHost* m_host = nullptr;
};

// Distances given in screen pixels are multiplied by this: 1 on screens less
// than 480 pixels wide or high, else 2. Computed once.
int GetDisplayScale();
// For hosts: sets the screen size the display scale is computed from.
void SetDisplayScreenSize(CSize size);

// How long a press must be held still to count as a press-and-hold, in
// milliseconds: the desktop's setting, which the host passes on.
int GetPressAndHoldInterval();
void SetPressAndHoldInterval(int milliseconds);
