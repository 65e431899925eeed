#pragma once

#include <memory>
#include <string>

#include "model/geometry.h"
#include "platform/menu.h"

class CFrameworkWnd;
class ICmdUI;
class IToolWindowHost;
struct SKeyMessage;

// What the main window sends to the program's main dialog: the command IDs
// of menu items and buttons, the update of an item before it shows, and the
// user's wish to close the window.
class ICommandTarget {
public:
    virtual ~ICommandTarget() = default;
    // False when the ID has no handler.
    virtual bool OnCommand(unsigned id) = 0;
    virtual void OnUpdateCommand(ICmdUI& cmdUI) = 0;
    virtual void OnClose() = 0;
    // Every keyboard message of the window, before its controls see it;
    // false lets the message go on to them.
    virtual bool PreTranslateKeyMessage(const SKeyMessage&) { return false; }
    // The keys that send the command, as menus show them beside it.
    virtual std::string GetKeyText(unsigned) const { return {}; }
    // A timer set through the host has elapsed; it keeps running until
    // killed. Targets that set no timers need not answer.
    virtual void OnTimer(int) {}
};

// What the main dialog needs from the window that carries it.
class IDialogHost {
public:
    virtual ~IDialogHost() = default;
    virtual void SetWindowText(const std::string& text) = 0;
    // Closes the window, which ends the program.
    virtual void EndDialog() = 0;
    // The screen rectangle of what sent the command being handled: a button,
    // or the pointer for menu items.
    virtual CRect GetCommandSourceRect() const = 0;
    virtual CSize GetScreenSize() const = 0;
    // Shows a popup menu with its top-left corner at the point, or its
    // bottom-left corner with above set. A chosen item comes back through
    // the command target.
    virtual void TrackPopupMenu(const SMenuItem& menu, CPoint point, bool above) = 0;
    // Carries a tool window in a frame of its own above this window, at the
    // place given (screen coordinates), or at a default place when that one
    // is empty or lies off every screen. The frame lives as long as the
    // pointer; the window must outlive it.
    virtual std::unique_ptr<IToolWindowHost> CreateToolWindow(CFrameworkWnd& window, const CRect& place) = 0;
    // False while the window takes no input (a modal dialog is open).
    virtual bool IsWindowEnabled() const { return true; }
    // Timers deliver OnTimer(id) to the command target on the user-interface
    // thread; setting a running timer again restarts it.
    virtual void SetTimer(int id, int milliseconds) = 0;
    virtual void KillTimer(int id) = 0;
};
