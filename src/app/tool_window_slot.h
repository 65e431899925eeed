#pragma once

#include <functional>
#include <memory>

#include "model/geometry.h"

class CFrameworkWnd;
class CIniProfile;
class IDialogHost;
class IToolWindowHost;

// One of the main dialog's tool windows: the window and its frame while it
// is open, and where it was, kept while it is closed, so that it opens again
// there. The place and whether the window is open are "Rect" and "Visible"
// of the window's settings file.
class CToolWindowSlot {
public:
    CToolWindowSlot();
    ~CToolWindowSlot();
    CToolWindowSlot(const CToolWindowSlot&) = delete;
    CToolWindowSlot& operator=(const CToolWindowSlot&) = delete;

    bool IsOpen() const { return m_window != nullptr; }
    template <class Window>
    Window* Get() const
    {
        return static_cast<Window*>(m_window.get());
    }

    // Shows the window in a frame of the host at the remembered place. When
    // the window asks to be closed, onClose runs (and should call Close).
    void Open(std::unique_ptr<CFrameworkWnd> window, IDialogHost& host, std::function<void()> onClose);
    // Remembers the place and destroys the frame, then the window.
    void Close();

    // Saving stores the place (the open window's own) and whether the window
    // is open; loading restores the place and returns whether the window was
    // open when the settings were saved.
    bool ExchangeState(CIniProfile& profile, bool saving);
    const CRect& GetPlace() const { return m_place; }

private:
    CRect m_place;
    // The frame refers to the window's children, so it goes first.
    std::unique_ptr<CFrameworkWnd> m_window;
    std::unique_ptr<IToolWindowHost> m_frame;
};
