#include <gtest/gtest.h>

#include <QLabel>
#include <QScrollBar>

#include "platform/qt/main_window_fixture.h"
#include "platform/qt/qt_text_painter.h"
#include "platform/qt/qt_tool_window.h"
#include "views/layer_wnd.h"
#include "views/player_wnd.h"
#include "views/position_wnd.h"

namespace {

CQtToolWindow& FrameOf(CFrameworkWnd& window)
{
    return static_cast<CQtToolWindow&>(*window.GetHost());
}

}  // namespace

using ToolWindowsOnScreen = CQtMainWindowTest;

TEST_F(ToolWindowsOnScreen, TheWindowMenuOpensTheLayerPlayerAndPositionWindows)
{
    CQtTextPainter text;
    SetTextPainter(&text);
    for (const unsigned id : {kCmdLayerWindow, kCmdPlayerWindow, kCmdPositionWindow}) {
        byId.at(id)->trigger();
    }
    QApplication::processEvents();
    CToolWindows& windows = dialog.GetToolWindows();
    ASSERT_NE(windows.GetLayerWnd(), nullptr);
    ASSERT_NE(windows.GetPlayerWnd(), nullptr);
    ASSERT_NE(windows.GetPositionWnd(), nullptr);

    // The layer list's scroll bar stands beside it.
    const QScrollBar* listBar = FrameOf(*windows.GetLayerWnd()).findChild<QScrollBar*>();
    ASSERT_NE(listBar, nullptr);
    EXPECT_EQ(listBar->orientation(), Qt::Vertical);

    // The player: its speed bar moves the speed, and the label follows.
    CQtToolWindow& player = FrameOf(*windows.GetPlayerWnd());
    EXPECT_EQ(player.windowTitle(), QString::fromUtf8("プレイヤ"));
    auto* speedBar = player.findChild<QScrollBar*>();
    ASSERT_NE(speedBar, nullptr);
    EXPECT_EQ(speedBar->value(), 100);
    speedBar->triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(CPlayerWnd::Settings().speed, 110);
    EXPECT_EQ(speedBar->value(), 110);
    EXPECT_EQ(player.findChild<QLabel*>()->text(), QString("110%"));
    windows.GetPlayerWnd()->OnCommand(kCmdPlayerSpeed100);

    EXPECT_TRUE(FrameOf(*windows.GetPositionWnd()).isVisible());
    SetTextPainter(nullptr);
}
