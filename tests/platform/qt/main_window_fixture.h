#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <map>
#include <vector>

#include "app/qt/qt_modal_dialogs.h"
#include "app/stipplebox_dlg.h"
#include "platform/qt/qt_main_window.h"
#include "support/headless_message_box_scope.h"
#include "support/scratch_directory.h"

// The main dialog in its real main window, shown 800 × 600 on the offscreen
// screen, with every menu item found by its command ID.
class CQtMainWindowTest : public ::testing::Test {
protected:
    CQtMainWindowTest()
        : dialog(settings / "IniFiles", dialogs),
          window(dialog, dialog.GetMenuManager().GetMainMenu(), dialog.GetImageEditWnd())
    {
        dialog.OnInitDialog(window);
        window.resize(800, 600);
        window.show();
        QApplication::processEvents();
        CollectActions(window.menuBar()->actions());
    }

    void CollectActions(const QList<QAction*>& actions)
    {
        for (QAction* action : actions) {
            if (QMenu* menu = action->menu()) {
                menus.push_back(menu);
                CollectActions(menu->actions());
            } else if (const unsigned id = CQtMainWindow::GetCommandID(*action); id != 0) {
                EXPECT_EQ(byId.count(id), 0u) << "ID " << id << " appears twice";
                byId[id] = action;
            }
        }
    }
    // As before a menu is shown.
    void UpdateAllMenus()
    {
        for (QMenu* menu : menus) {
            emit menu->aboutToShow();
        }
    }

    CScratchDirectory settings;
    CHeadlessMessageBoxScope messages;
    CQtModalDialogs dialogs;
    CStippleboxDlg dialog;
    CQtMainWindow window;
    std::vector<QMenu*> menus;
    std::map<unsigned, QAction*> byId;
};
