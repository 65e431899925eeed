#pragma once

#include <QRect>
#include <QWidget>
#include <map>
#include <vector>

#include "app/framework_wnd.h"

class CQtWindowHost;
class QLabel;
class QScrollBar;
class QToolBar;

// A tool window's frame on the desktop: a tool window of the toolkit, kept
// above the main window and without a task-bar entry, with the window's
// buttons along the top and its children and labels in the client area
// below. Closing it from its close box asks the window, which closes through
// its owner.
class CQtToolWindow final : public QWidget, public IToolWindowHost {
    Q_OBJECT

public:
    // Opens at the place (screen coordinates) when that lies on a screen,
    // else beside the main window.
    CQtToolWindow(CFrameworkWnd& window, QWidget& mainWindow, const CRect& place);
    ~CQtToolWindow() override;

    void SetWindowText(const std::string& text) override;
    void MoveChild(CWnd& child, const CRect& rect) override;
    void ShowLabel(int index, const CFrameworkWnd::SLabel& label) override;
    void ShowScrollBar(int index, const CFrameworkWnd::SScrollBar& bar) override;
    void UpdateButtons() override;
    CRect GetCommandSourceRect() const override;
    void TrackPopupMenu(const SMenuItem& menu, CPoint point) override;
    void PostClose() override;
    CRect GetWindowRect() const override;
    void Activate() override;

    QToolBar* GetToolBar() const { return m_toolBar; }
    CQtWindowHost* FindChildHost(const CWnd& child) const;

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void AddButtons();
    CRect DefaultPlace(const QWidget& mainWindow) const;
    QScrollBar& ScrollBarAt(int index);

    CFrameworkWnd& m_window;
    QToolBar* m_toolBar = nullptr;
    QWidget* m_client;
    std::map<const CWnd*, CQtWindowHost*> m_childHosts;
    std::vector<QLabel*> m_labels;
    std::vector<QScrollBar*> m_scrollBars;
    // The button whose command is being handled, on the screen.
    QRect m_commandSource;
};
