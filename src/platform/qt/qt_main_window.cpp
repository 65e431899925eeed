#include "platform/qt/qt_main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QCursor>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QTimerEvent>

#include "platform/qt/qt_canvas_frame.h"
#include "platform/qt/qt_command_menu.h"
#include "platform/qt/qt_key_filter.h"
#include "platform/qt/qt_tool_window.h"
#include "platform/qt/qt_window_host.h"

CQtMainWindow::CQtMainWindow(ICommandTarget& target, const std::vector<SMenuItem>& menus, CWnd& canvas)
    : m_target(target), m_canvasFrame(new CQtCanvasFrame(canvas, this)), m_canvasHost(&m_canvasFrame->GetHost())
{
    for (const SMenuItem& item : menus) {
        FillCommandMenu(*menuBar()->addMenu(MenuText(item.label)), item.items, m_target, *this);
    }
    setCentralWidget(m_canvasFrame);
    m_canvasHost->setFocus();
    new CQtKeyFilter(*this, m_target);
}

CQtMainWindow::~CQtMainWindow() = default;

unsigned CQtMainWindow::GetCommandID(const QAction& action)
{
    return ::GetCommandID(action);
}

void CQtMainWindow::SetWindowText(const std::string& text)
{
    setWindowTitle(QString::fromStdString(text));
}

void CQtMainWindow::EndDialog()
{
    m_ending = true;
    close();
    // The program ends with this window, whatever tool windows are still
    // open beside it (quit() would ask them to close first, and they only
    // ask their owner).
    QCoreApplication::exit(0);
}

void CQtMainWindow::SendCommand(unsigned id, const QWidget* source)
{
    m_commandSource = source;
    m_target.OnCommand(id);
    m_commandSource = nullptr;
}

CRect CQtMainWindow::GetCommandSourceRect() const
{
    if (m_commandSource != nullptr) {
        const QPoint topLeft = m_commandSource->mapToGlobal(QPoint(0, 0));
        return {topLeft.x(), topLeft.y(), topLeft.x() + m_commandSource->width(),
                topLeft.y() + m_commandSource->height()};
    }
    const QPoint pointer = QCursor::pos();
    return {pointer.x(), pointer.y(), pointer.x() + 1, pointer.y() + 1};
}

bool CQtMainWindow::IsWindowEnabled() const
{
    return isEnabled() && QApplication::activeModalWidget() == nullptr;
}

CSize CQtMainWindow::GetScreenSize() const
{
    const QSize size = screen()->size();
    return {size.width(), size.height()};
}

void CQtMainWindow::TrackPopupMenu(const SMenuItem& menu, CPoint point, bool above)
{
    QMenu popup(this);
    FillCommandMenu(popup, menu.items, m_target, popup);
    QPoint position(point.x, point.y);
    if (above) {
        position.ry() -= popup.sizeHint().height();
    }
    popup.exec(position);
}

std::unique_ptr<IToolWindowHost> CQtMainWindow::CreateToolWindow(CFrameworkWnd& window, const CRect& place)
{
    return std::make_unique<CQtToolWindow>(window, *this, place);
}

void CQtMainWindow::SetTimer(int id, int milliseconds)
{
    KillTimer(id);
    m_timerIds[id] = startTimer(milliseconds);
}

void CQtMainWindow::KillTimer(int id)
{
    if (const auto found = m_timerIds.find(id); found != m_timerIds.end()) {
        killTimer(found->second);
        m_timerIds.erase(found);
    }
}

void CQtMainWindow::timerEvent(QTimerEvent* event)
{
    for (const auto& [id, qtId] : m_timerIds) {
        if (qtId == event->timerId()) {
            m_target.OnTimer(id);
            return;
        }
    }
    QMainWindow::timerEvent(event);
}

void CQtMainWindow::closeEvent(QCloseEvent* event)
{
    // The dialog decides (it may ask to save first); agreeing, it ends
    // itself through EndDialog.
    if (!m_ending) {
        m_target.OnClose();
    }
    event->setAccepted(m_ending);
}
