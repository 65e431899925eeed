#include "platform/qt/qt_window_host.h"

#include <QMouseEvent>
#include <QPainter>
#include <QTimerEvent>
#include <QWheelEvent>

#include "model/dib_section.h"

namespace {

unsigned KeyFlags(const QSinglePointEvent& event)
{
    unsigned flags = 0;
    if (event.buttons() & Qt::LeftButton) {
        flags |= MK_LBUTTON;
    }
    if (event.buttons() & Qt::RightButton) {
        flags |= MK_RBUTTON;
    }
    if (event.buttons() & Qt::MiddleButton) {
        flags |= MK_MBUTTON;
    }
    if (event.modifiers() & Qt::ShiftModifier) {
        flags |= MK_SHIFT;
    }
    if (event.modifiers() & Qt::ControlModifier) {
        flags |= MK_CONTROL;
    }
    return flags;
}

CPoint ClientPoint(const QSinglePointEvent& event)
{
    const QPoint point = event.position().toPoint();
    return {point.x(), point.y()};
}

}  // namespace

CQtWindowHost::CQtWindowHost(CWnd& window, QWidget* parent) : QWidget(parent), m_window(window)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    m_window.AttachHost(this);
}

CQtWindowHost::~CQtWindowHost()
{
    m_window.AttachHost(nullptr);
}

void CQtWindowHost::SetCapture()
{
    m_captured = true;
}

void CQtWindowHost::ReleaseCapture()
{
    if (m_captured) {
        m_captured = false;
        m_window.OnCaptureChanged(nullptr);
    }
}

void CQtWindowHost::LoseCapture()
{
    if (m_captured) {
        m_captured = false;
        // Another window has the pointer now; the window only needs to know
        // that it is not this one.
        m_window.OnCaptureChanged(nullptr);
    }
}

void CQtWindowHost::SetTimer(int id, int milliseconds)
{
    KillTimer(id);
    m_timerIds[id] = startTimer(milliseconds);
}

void CQtWindowHost::KillTimer(int id)
{
    const auto found = m_timerIds.find(id);
    if (found != m_timerIds.end()) {
        killTimer(found->second);
        m_timerIds.erase(found);
    }
}

void CQtWindowHost::Present(const CRect& rect)
{
    update(QRect(rect.left, rect.top, rect.Width(), rect.Height()));
}

void CQtWindowHost::SetScrollInfo(EScrollBar bar, const SScrollInfo& info)
{
    if (m_scrollInfo[int(bar)] != info) {
        m_scrollInfo[int(bar)] = info;
        emit ScrollInfoChanged();
    }
}

void CQtWindowHost::SetCursor(ECursor cursor)
{
    setCursor(cursor == ECursor::OpenHand ? Qt::OpenHandCursor : Qt::ArrowCursor);
}

void CQtWindowHost::ScrollTo(EScrollBar bar, int position)
{
    if (bar == EScrollBar::Horizontal) {
        m_window.OnHScroll(position);
    } else {
        m_window.OnVScroll(position);
    }
}

void CQtWindowHost::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        m_window.OnLButtonDown(KeyFlags(*event), ClientPoint(*event));
    } else if (event->button() == Qt::MiddleButton) {
        m_window.OnMButtonDown(KeyFlags(*event), ClientPoint(*event));
    }
}

void CQtWindowHost::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        m_window.OnLButtonDblClk(KeyFlags(*event), ClientPoint(*event));
    }
}

void CQtWindowHost::mouseMoveEvent(QMouseEvent* event)
{
    m_window.OnMouseMove(KeyFlags(*event), ClientPoint(*event));
}

void CQtWindowHost::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        m_window.OnLButtonUp(KeyFlags(*event), ClientPoint(*event));
    } else if (event->button() == Qt::MiddleButton) {
        m_window.OnMButtonUp(KeyFlags(*event), ClientPoint(*event));
    }
}

void CQtWindowHost::wheelEvent(QWheelEvent* event)
{
    // Qt counts a sideways turn to the left as positive.
    const QPoint delta = event->angleDelta();
    if (delta.y() != 0) {
        m_window.OnMouseWheel(KeyFlags(*event), delta.y(), ClientPoint(*event));
    }
    if (delta.x() != 0) {
        m_window.OnMouseHWheel(KeyFlags(*event), -delta.x(), ClientPoint(*event));
    }
}


void CQtWindowHost::resizeEvent(QResizeEvent*)
{
    m_window.OnSize(width(), height());
}

void CQtWindowHost::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    const CDibSection* buffer = m_window.GetBackBuffer();
    if (buffer == nullptr || buffer->GetBitCount() != kDisplayBitCount) {
        painter.fillRect(event->rect(), palette().window());
        return;
    }
    // The buffer's rows are stored bottom-up: view them as they lie in
    // memory and let one flipped blit put them the right way round.
    const QImage image(buffer->GetBits(), buffer->GetWidth(), buffer->GetHeight(), buffer->GetStride(),
                       QImage::Format_RGB32);
    const QRect target = event->rect();
    painter.translate(0, buffer->GetHeight());
    painter.scale(1, -1);
    const QRect flipped(target.x(), buffer->GetHeight() - target.y() - target.height(), target.width(),
                        target.height());
    painter.drawImage(flipped, image, flipped);
}

void CQtWindowHost::timerEvent(QTimerEvent* event)
{
    for (const auto& [id, qtId] : m_timerIds) {
        if (qtId == event->timerId()) {
            m_window.OnTimer(id);
            return;
        }
    }
}

void CQtWindowHost::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::ActivationChange && !isActiveWindow()) {
        LoseCapture();
    }
    QWidget::changeEvent(event);
}

void CQtWindowHost::focusOutEvent(QFocusEvent* event)
{
    LoseCapture();
    QWidget::focusOutEvent(event);
}
