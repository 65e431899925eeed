#include <gtest/gtest.h>

#include <QLabel>
#include <QScreen>
#include <QToolBar>
#include <QWindow>

#include "app/tool_window_slot.h"
#include "platform/qt/main_window_fixture.h"
#include "platform/qt/qt_tool_window.h"
#include "platform/qt/qt_window_host.h"
#include "support/test_tool_window.h"

using ToolWindowFrame = CQtMainWindowTest;

TEST_F(ToolWindowFrame, IsAToolWindowAboveTheMainWindowThatReopensWhereItWasAndClosesThroughItsOwner)
{
    CToolWindowSlot slot;
    int closes = 0;
    const auto open = [&] {
        slot.Open(std::make_unique<CTestToolWnd>(dialog), window, [&] {
            ++closes;
            slot.Close();
        });
        QApplication::processEvents();
        return static_cast<CQtToolWindow*>(slot.Get<CTestToolWnd>()->GetHost());
    };

    CQtToolWindow* frame = open();
    const CTestToolWnd& toolWindow = *slot.Get<CTestToolWnd>();
    EXPECT_TRUE(frame->isVisible());
    EXPECT_EQ(frame->windowType(), Qt::Tool) << "no task-bar entry";
    EXPECT_EQ(frame->windowHandle()->transientParent(), window.windowHandle()) << "kept above the main window";
    const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_TRUE(available.contains(frame->geometry())) << "a default place on the screen";
    const QWidget& child = *frame->FindChildHost(toolWindow.child);
    EXPECT_EQ(child.geometry(), QRect(4, 4, toolWindow.GetDefaultClientSize().cx - 8, child.height()));
    EXPECT_EQ(frame->findChild<QLabel*>()->text(), QString::number(child.width() + 8)) << "laid out by the window";
    QAction* pin = frame->GetToolBar()->actions().at(1);
    pin->trigger();
    EXPECT_TRUE(toolWindow.IsPinned());
    EXPECT_TRUE(pin->isChecked()) << "the button follows at once";

    frame->setGeometry(300, 250, 220, 160);
    frame->close();
    EXPECT_TRUE(slot.IsOpen()) << "the close box only asks";
    QApplication::processEvents();
    EXPECT_EQ(closes, 1);
    ASSERT_FALSE(slot.IsOpen());
    const CRect place{300, 250, 520, 410};
    EXPECT_EQ(slot.GetPlace(), place);
    EXPECT_EQ(open()->GetWindowRect(), place);
}
