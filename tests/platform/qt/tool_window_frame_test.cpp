#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QScreen>
#include <QToolBar>
#include <QWindow>

#include "app/qt/qt_modal_dialogs.h"
#include "app/stipplebox_dlg.h"
#include "app/tool_window_slot.h"
#include "platform/qt/qt_main_window.h"
#include "platform/qt/qt_tool_window.h"
#include "platform/qt/qt_window_host.h"
#include "support/headless_message_box_scope.h"
#include "support/scratch_directory.h"
#include "support/test_tool_window.h"

namespace {

class ToolWindowFrame : public ::testing::Test {
protected:
    ToolWindowFrame()
        : dialog(settings / "IniFiles", dialogs),
          window(dialog, dialog.GetMenuManager().GetMainMenu(), dialog.GetImageEditWnd())
    {
        dialog.OnInitDialog(window);
        window.setGeometry(20, 40, 500, 400);
        window.show();
        QApplication::processEvents();
    }
    void Open(const CRect& place)
    {
        frame.reset();
        toolWindow = std::make_unique<CTestToolWnd>(dialog);
        frame.reset(static_cast<CQtToolWindow*>(window.CreateToolWindow(*toolWindow, place).release()));
        QApplication::processEvents();
    }
    QAction* Button(unsigned id)
    {
        for (QAction* action : frame->GetToolBar()->actions()) {
            if (CQtMainWindow::GetCommandID(*action) == id) {
                return action;
            }
        }
        return nullptr;
    }

    CScratchDirectory settings;
    CHeadlessMessageBoxScope messages;
    CQtModalDialogs dialogs;
    CStippleboxDlg dialog;
    CQtMainWindow window;
    CToolWindowSlot slot;
    std::unique_ptr<CTestToolWnd> toolWindow;
    std::unique_ptr<CQtToolWindow> frame;
};

TEST_F(ToolWindowFrame, IsAToolWindowAboveTheMainWindowShowingWhatTheWindowDescribes)
{
    Open({});
    EXPECT_TRUE(frame->isVisible());
    EXPECT_EQ(frame->windowType(), Qt::Tool) << "no task-bar entry";
    EXPECT_EQ(frame->windowHandle()->transientParent(), window.windowHandle()) << "kept above the main window";
    EXPECT_EQ(frame->windowTitle(), QString::fromUtf8("テスト"));

    const QWidget& child = *frame->FindChildHost(toolWindow->child);
    EXPECT_EQ(child.width(), toolWindow->GetDefaultClientSize().cx - 8) << "laid out by the window";
    EXPECT_EQ(child.geometry().topLeft(), QPoint(4, 4));
    const QLabel* label = frame->findChild<QLabel*>();
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->text(), QString::number(child.width() + 8));

    QAction* pin = Button(kCmdWindowPin);
    ASSERT_NE(pin, nullptr);
    EXPECT_FALSE(pin->isChecked());
    pin->trigger();
    EXPECT_TRUE(toolWindow->IsPinned());
    EXPECT_TRUE(pin->isChecked()) << "the button follows at once";

    const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_TRUE(available.contains(frame->geometry().topLeft())) << "a default place on the screen";
}

TEST_F(ToolWindowFrame, OpensWhereItWasAndClosesThroughItsOwnerAfterTheCloseBox)
{
    int closes = 0;
    slot.Open(std::make_unique<CTestToolWnd>(dialog), window, [&] {
        ++closes;
        slot.Close();
    });
    QApplication::processEvents();
    auto* opened = static_cast<QWidget*>(static_cast<CQtToolWindow*>(slot.Get<CTestToolWnd>()->GetHost()));
    opened->setGeometry(300, 250, 220, 160);
    QApplication::processEvents();
    const CRect place{300, 250, 520, 410};
    EXPECT_EQ(static_cast<CQtToolWindow*>(opened)->GetWindowRect(), place);

    opened->close();
    EXPECT_TRUE(slot.IsOpen()) << "the close box only asks";
    QApplication::processEvents();
    EXPECT_EQ(closes, 1);
    EXPECT_FALSE(slot.IsOpen());
    EXPECT_EQ(slot.GetPlace(), place);

    Open(place);
    EXPECT_EQ(frame->GetWindowRect(), place);
    Open({-5000, -5000, -4800, -4800});
    EXPECT_TRUE(QGuiApplication::primaryScreen()->availableGeometry().contains(frame->geometry().topLeft()))
        << "a place off every screen gives the default one";
}

}  // namespace
