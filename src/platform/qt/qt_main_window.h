#pragma once

#include <QMainWindow>
#include <map>

#include "platform/dialog_host.h"

class CQtCanvasFrame;
class CQtWindowHost;
class CWnd;

// The program's main window: the menu bar built from menu items, and the
// canvas window with its scroll bars filling the rest. Every item sends its
// command ID to the command target, which also updates the items of a menu
// before it shows, and sees every key pressed in the window first.
class CQtMainWindow final : public QMainWindow, public IDialogHost {
    Q_OBJECT

public:
    CQtMainWindow(ICommandTarget& target, const std::vector<SMenuItem>& menus, CWnd& canvas);
    ~CQtMainWindow() override;

    void SetWindowText(const std::string& text) override;
    void EndDialog() override;
    CRect GetCommandSourceRect() const override;
    CSize GetScreenSize() const override;
    void TrackPopupMenu(const SMenuItem& menu, CPoint point, bool above) override;
    bool IsWindowEnabled() const override;
    std::unique_ptr<IToolWindowHost> CreateToolWindow(CFrameworkWnd& window, const CRect& place) override;
    void SetTimer(int id, int milliseconds) override;
    void KillTimer(int id) override;

    CQtCanvasFrame& GetCanvasFrame() const { return *m_canvasFrame; }
    CQtWindowHost& GetCanvasHost() const { return *m_canvasHost; }
    // Sends a button's command ID; while it is handled, the button is the
    // command's source.
    void SendCommand(unsigned id, const QWidget* source);
    // The command ID an action of the menus sends, or 0.
    static unsigned GetCommandID(const QAction& action);

protected:
    void closeEvent(QCloseEvent* event) override;
    void timerEvent(QTimerEvent* event) override;

private:
    ICommandTarget& m_target;
    CQtCanvasFrame* m_canvasFrame;
    CQtWindowHost* m_canvasHost;
    bool m_ending = false;
    const QWidget* m_commandSource = nullptr;
    std::map<int, int> m_timerIds;  // the target's timer IDs to the toolkit's
};
