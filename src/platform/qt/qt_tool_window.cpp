#include "platform/qt/qt_tool_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCursor>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QPointer>
#include <QScreen>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWindow>

#include "app/tool_window_place.h"
#include "platform/qt/qt_command_menu.h"
#include "platform/qt/qt_window_host.h"

namespace {

CRect ToCRect(const QRect& rect)
{
    return {rect.left(), rect.top(), rect.left() + rect.width(), rect.top() + rect.height()};
}

QRect ToQRect(const CRect& rect)
{
    return QRect(rect.left, rect.top, rect.Width(), rect.Height());
}

// A tool window opens to the right of the main window when there is room on
// its screen, else inside its top-right corner.
constexpr int kGap = 8;

}  // namespace

CQtToolWindow::CQtToolWindow(CFrameworkWnd& window, QWidget& mainWindow, const CRect& place)
    : QWidget(nullptr, Qt::Tool), m_window(window), m_client(new QWidget(this))
{
    // No parent widget, so that the frame's owner alone decides when it
    // goes; the main window is its transient parent, which keeps it above.
    mainWindow.winId();
    winId();
    windowHandle()->setTransientParent(mainWindow.windowHandle());
    setAttribute(Qt::WA_DeleteOnClose, false);

    QPalette face = palette();
    face.setColor(QPalette::Window, QColor::fromRgb(kToolWindowFace));
    setPalette(face);
    setAutoFillBackground(true);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    AddButtons();
    if (m_toolBar != nullptr) {
        layout->addWidget(m_toolBar);
    }
    layout->addWidget(m_client, 1);
    for (CWnd* child : m_window.GetChildren()) {
        m_childHosts[child] = new CQtWindowHost(*child, m_client);
    }
    m_client->installEventFilter(this);

    m_window.AttachHost(this);
    SetWindowText(m_window.GetTitle());
    for (size_t i = 0; i < m_window.GetLabels().size(); ++i) {
        ShowLabel(int(i), m_window.GetLabels()[i]);
    }
    for (size_t i = 0; i < m_window.GetScrollBars().size(); ++i) {
        ShowScrollBar(int(i), m_window.GetScrollBars()[i]);
    }
    UpdateButtons();

    std::vector<CRect> screens;
    for (const QScreen* screen : QGuiApplication::screens()) {
        screens.push_back(ToCRect(screen->availableGeometry()));
    }
    setGeometry(ToQRect(PlaceToolWindow(place, DefaultPlace(mainWindow), screens)));
    show();
}

CQtToolWindow::~CQtToolWindow()
{
    m_client->removeEventFilter(this);
    m_window.AttachHost(nullptr);
}

void CQtToolWindow::AddButtons()
{
    if (m_window.GetButtons().empty()) {
        return;
    }
    m_toolBar = new QToolBar(this);
    m_toolBar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    for (const CFrameworkWnd::SButton& button : m_window.GetButtons()) {
        QAction* action = m_toolBar->addAction(MenuText(button.label));
        action->setData(button.id);
        const unsigned id = button.id;
        connect(action, &QAction::triggered, this, [this, action, id] {
            const QWidget* source = m_toolBar->widgetForAction(action);
            m_commandSource = source != nullptr ? QRect(source->mapToGlobal(QPoint(0, 0)), source->size()) : QRect();
            m_window.OnCommand(id);
            m_commandSource = QRect();
            UpdateButtons();
        });
    }
}

CRect CQtToolWindow::DefaultPlace(const QWidget& mainWindow) const
{
    const CSize client = m_window.GetDefaultClientSize();
    const int toolBarHeight = m_toolBar != nullptr ? m_toolBar->sizeHint().height() : 0;
    const QSize size(client.cx, client.cy + toolBarHeight);
    const QRect main = mainWindow.frameGeometry();
    const QScreen* screen = mainWindow.screen() != nullptr ? mainWindow.screen() : QGuiApplication::primaryScreen();
    const QRect available = screen->availableGeometry();
    QPoint topLeft(main.right() + 1 + kGap, main.top());
    if (topLeft.x() + size.width() > available.right() + 1) {
        topLeft.setX(main.right() + 1 - kGap - size.width());
    }
    // Below the main window's title bar and menu bar, and below the tool
    // windows already open there, so that none hides another; a column that
    // is full gives way to the next one towards the left.
    const int firstTop = std::max(available.top(), mainWindow.geometry().top()) + kGap;
    for (int column = 0; column < 4; ++column) {
        int top = firstTop;
        for (const QWidget* other : QApplication::topLevelWidgets()) {
            const QRect frame = other->frameGeometry();
            if (other != this && other->isVisible() && qobject_cast<const CQtToolWindow*>(other) != nullptr &&
                frame.left() < topLeft.x() + size.width() && topLeft.x() <= frame.right()) {
                top = std::max(top, frame.bottom() + 1 + kGap);
            }
        }
        topLeft.setY(top);
        if (top + size.height() <= available.bottom() + 1) {
            break;
        }
        topLeft.setX(topLeft.x() - size.width() - kGap);
    }
    topLeft.setY(std::max(available.top(), std::min(topLeft.y(), available.bottom() + 1 - size.height())));
    return ToCRect(QRect(topLeft, size));
}

void CQtToolWindow::SetWindowText(const std::string& text)
{
    setWindowTitle(QString::fromStdString(text));
}

void CQtToolWindow::MoveChild(CWnd& child, const CRect& rect)
{
    if (CQtWindowHost* host = FindChildHost(child)) {
        host->setGeometry(ToQRect(rect));
    }
}

CQtWindowHost* CQtToolWindow::FindChildHost(const CWnd& child) const
{
    const auto found = m_childHosts.find(&child);
    return found == m_childHosts.end() ? nullptr : found->second;
}

void CQtToolWindow::ShowLabel(int index, const CFrameworkWnd::SLabel& label)
{
    while (int(m_labels.size()) <= index) {
        m_labels.push_back(new QLabel(m_client));
    }
    QLabel& shown = *m_labels[index];
    shown.setText(QString::fromStdString(label.text));
    shown.setAlignment(Qt::AlignVCenter | (label.alignRight ? Qt::AlignRight : Qt::AlignLeft));
    shown.setGeometry(ToQRect(label.rect));
    shown.setVisible(!label.rect.IsRectEmpty());
}

QScrollBar& CQtToolWindow::ScrollBarAt(int index)
{
    while (int(m_scrollBars.size()) <= index) {
        const CFrameworkWnd::SScrollBar& described = m_window.GetScrollBars()[m_scrollBars.size()];
        auto* bar = new QScrollBar(described.vertical ? Qt::Vertical : Qt::Horizontal, m_client);
        const unsigned id = described.id;
        // The window decides the new position: the bar only reports.
        connect(bar, &QAbstractSlider::actionTriggered, this, [this, bar, id](int action) {
            using E = CFrameworkWnd::EScroll;
            static const std::map<int, E> codes = {
                {QAbstractSlider::SliderSingleStepSub, E::kLineBack},
                {QAbstractSlider::SliderSingleStepAdd, E::kLineForward},
                {QAbstractSlider::SliderPageStepSub, E::kPageBack},
                {QAbstractSlider::SliderPageStepAdd, E::kPageForward},
                {QAbstractSlider::SliderToMinimum, E::kFirst},
                {QAbstractSlider::SliderToMaximum, E::kLast},
                {QAbstractSlider::SliderMove, E::kThumbTrack}};
            const auto code = codes.find(action);
            if (code != codes.end()) {
                m_window.OnScroll(id, code->second, bar->sliderPosition());
            }
        });
        connect(bar, &QAbstractSlider::sliderReleased, this, [this, bar, id] {
            m_window.OnScroll(id, CFrameworkWnd::EScroll::kThumbPosition, bar->sliderPosition());
        });
        m_scrollBars.push_back(bar);
    }
    return *m_scrollBars[index];
}

void CQtToolWindow::ShowScrollBar(int index, const CFrameworkWnd::SScrollBar& described)
{
    QScrollBar& bar = ScrollBarAt(index);
    const QSignalBlocker quiet(&bar);
    bar.setRange(described.minimum, described.maximum);
    bar.setSingleStep(described.line);
    bar.setPageStep(described.page);
    bar.setSliderPosition(described.position);
    bar.setValue(described.position);
    bar.setGeometry(ToQRect(described.rect));
    bar.setVisible(!described.rect.IsRectEmpty());
}

void CQtToolWindow::UpdateButtons()
{
    if (m_toolBar != nullptr) {
        UpdateCommandActions(m_toolBar->actions(), m_window);
    }
}

CRect CQtToolWindow::GetCommandSourceRect() const
{
    if (m_commandSource.isValid()) {
        return ToCRect(m_commandSource);
    }
    const QPoint pointer = QCursor::pos();
    return {pointer.x(), pointer.y(), pointer.x() + 1, pointer.y() + 1};
}

void CQtToolWindow::TrackPopupMenu(const SMenuItem& menu, CPoint point)
{
    QMenu popup(this);
    FillCommandMenu(popup, menu.items, m_window, popup);
    popup.exec(QPoint(point.x, point.y));
    UpdateButtons();
}

void CQtToolWindow::PostClose()
{
    // Queued on the application, not on this frame: the close destroys it.
    QMetaObject::invokeMethod(
        QCoreApplication::instance(),
        [frame = QPointer<CQtToolWindow>(this)] {
            if (frame) {
                frame->m_window.OnPostedClose();
            }
        },
        Qt::QueuedConnection);
}

CRect CQtToolWindow::GetWindowRect() const
{
    return ToCRect(geometry());
}

void CQtToolWindow::Activate()
{
    show();
    raise();
    activateWindow();
}

void CQtToolWindow::closeEvent(QCloseEvent* event)
{
    event->ignore();
    m_window.OnClose();
}

bool CQtToolWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_client && event->type() == QEvent::Resize) {
        m_window.OnSize(m_client->width(), m_client->height());
    }
    // The wheel over the client area turns its vertical scroll bar.
    if (watched == m_client && event->type() == QEvent::Wheel) {
        for (QScrollBar* bar : m_scrollBars) {
            if (bar->orientation() == Qt::Vertical && bar->isVisible()) {
                QCoreApplication::sendEvent(bar, event);
                return true;
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}
