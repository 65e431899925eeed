#pragma once

#include <QObject>
#include <map>
#include <vector>

#include "bars/tool_bar_host.h"

class CIconManager;
class CMenuManager;
class CQtMainWindow;
class CQtStatusBar;
class CQtWindowHost;
class ICommandTarget;
class QAction;
class QToolBar;

// Shows the main dialog's tool bars on the main window: a button per command
// with its icon (a state button with the icon of the current choice), the
// colour display and the mini palette as small windows; and its status bar.
class CQtBarsHost final : public QObject, public IBarsHost {
    Q_OBJECT

public:
    CQtBarsHost(CQtMainWindow& window, ICommandTarget& target, const CMenuManager& menus, const CIconManager& icons,
                CQtStatusBar& statusBar);
    ~CQtBarsHost() override;

    void ShowToolBars(const std::vector<SShownToolBar>& bars, const WindowFactory& makeWindow) override;
    void RefreshToolBars(const std::map<unsigned, unsigned>& pictures) override;
    void RedrawToolBarObject(unsigned id) override;
    void RefreshStatusBar() override;

    const std::vector<QToolBar*>& GetToolBars() const { return m_toolBars; }

private:
    struct SObjectWindow {
        unsigned id;
        std::unique_ptr<CBarObjectWnd> window;
        CQtWindowHost* host;
    };

    void AddButton(QToolBar& bar, unsigned id, const WindowFactory& makeWindow);
    void ClearToolBars();

    CQtMainWindow& m_window;
    ICommandTarget& m_target;
    const CMenuManager& m_menus;
    const CIconManager& m_icons;
    CQtStatusBar& m_statusBar;
    std::vector<QToolBar*> m_toolBars;
    std::vector<QAction*> m_actions;
    std::vector<SObjectWindow> m_objectWindows;
    // The picture each state button shows now.
    std::map<unsigned, unsigned> m_pictures;
};
