// The real main window, offscreen: a line drawn with the mouse after choosing
// the tool from the menu, then taken back and brought again from the menu.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <map>

#include "app/qt/qt_modal_dialogs.h"
#include "app/stipplebox_dlg.h"
#include "bars/command_ids.h"
#include "model/stipplebox_data.h"
#include "platform/qt/qt_main_window.h"
#include "platform/qt/qt_window_host.h"
#include "support/headless_message_box_scope.h"
#include "support/scratch_directory.h"

namespace {

void Send(QWidget& widget, QEvent::Type type, QPoint point)
{
    QMouseEvent event(type, QPointF(point), widget.mapToGlobal(QPointF(point)), Qt::LeftButton,
                      type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&widget, &event);
}

// Each menu's actions by command ID, and the menu that holds each.
class CMenuActions {
public:
    explicit CMenuActions(QMenuBar& bar) { Collect(bar.actions(), nullptr); }

    QAction& Action(unsigned id) { return *m_actions.at(id); }
    // Updates the menu holding the item, as opening it does, and reads the item.
    QString ShownText(unsigned id)
    {
        emit m_menus.at(id)->aboutToShow();
        return m_actions.at(id)->text();
    }

private:
    void Collect(const QList<QAction*>& actions, QMenu* owner)
    {
        for (QAction* action : actions) {
            if (QMenu* menu = action->menu()) {
                Collect(menu->actions(), menu);
            } else if (const unsigned id = CQtMainWindow::GetCommandID(*action); id != 0) {
                m_actions[id] = action;
                m_menus[id] = owner;
            }
        }
    }

    std::map<unsigned, QAction*> m_actions;
    std::map<unsigned, QMenu*> m_menus;
};

}  // namespace

TEST(DrawingEndToEnd, ALineDrawnWithTheMouseIsOneStepToUndoAndRedo)
{
    CScratchDirectory settings;
    CHeadlessMessageBoxScope messages;
    CQtModalDialogs dialogs;
    CStippleboxDlg dialog(settings / "IniFiles", dialogs);
    CQtMainWindow window(dialog, dialog.GetMenuManager().GetMainMenu(), dialog.GetImageEditWnd());
    dialog.OnInitDialog(window);
    window.resize(800, 600);
    window.show();
    QApplication::processEvents();
    CMenuActions menus(*window.menuBar());

    menus.Action(kCmdZoom4).trigger();
    menus.Action(kCmdToolLine).trigger();
    CImageEditWnd& canvas = dialog.GetImageEditWnd();
    const auto screen = [&canvas](int x, int y) {
        const CRect pixel = canvas.ImageToScreen({x, y, x + 1, y + 1});
        return QPoint(pixel.left + 1, pixel.top + 1);
    };
    CQtWindowHost& host = window.GetCanvasHost();
    Send(host, QEvent::MouseButtonPress, screen(10, 20));
    Send(host, QEvent::MouseMove, screen(30, 25));
    Send(host, QEvent::MouseMove, screen(40, 30));
    Send(host, QEvent::MouseButtonRelease, screen(40, 30));

    const CStippleboxData& document = *dialog.GetDocument();
    const CStippleboxLayer& layer = *document.GetCurrentLayer();
    const uint8_t ink = document.GetDrawingColor();
    const uint8_t paper = document.GetBackgroundColor();
    EXPECT_EQ(layer.GetPixel(10, 20), ink);
    EXPECT_EQ(layer.GetPixel(25, 25), ink) << "the line's middle";
    EXPECT_EQ(layer.GetPixel(40, 30), ink);
    EXPECT_EQ(layer.GetPixel(30, 25), paper) << "the preview to the first move is gone";
    EXPECT_EQ(menus.ShownText(kCmdUndo), QString::fromUtf8("元に戻す:描画"));
    const QColor inkOnScreen = host.grab().toImage().pixelColor(screen(25, 25));
    EXPECT_EQ(inkOnScreen, QColor(Qt::black));

    menus.Action(kCmdUndo).trigger();
    EXPECT_EQ(layer.GetPixel(25, 25), paper);
    EXPECT_EQ(menus.ShownText(kCmdRedo), QString::fromUtf8("やり直す:描画"));
    EXPECT_EQ(host.grab().toImage().pixelColor(screen(25, 25)), QColor(Qt::white));
    menus.Action(kCmdRedo).trigger();
    EXPECT_EQ(layer.GetPixel(25, 25), ink);
    EXPECT_EQ(menus.ShownText(kCmdUndo), QString::fromUtf8("元に戻す:描画"));
}
