#include "bars/qt/qt_status_bar.h"

#include <QEvent>
#include <QLabel>
#include <QMainWindow>
#include <QMouseEvent>
#include <QPixmap>
#include <QStatusBar>
#include <QTimer>

#include "bars/status_bar_info.h"

namespace {

QLabel* AddLabel(QStatusBar& bar, int minimumWidth)
{
    auto* label = new QLabel(&bar);
    label->setMinimumWidth(minimumWidth);
    bar.addWidget(label);
    return label;
}

QLabel* AddSwatch(QStatusBar& bar)
{
    auto* swatch = new QLabel(&bar);
    swatch->setFrameShape(QFrame::Box);
    bar.addPermanentWidget(swatch);
    return swatch;
}

void ShowSwatch(QLabel& swatch, DisplayPixel color)
{
    QPixmap pixmap(12, 12);
    pixmap.fill(QColor(DisplayRed(color), DisplayGreen(color), DisplayBlue(color)));
    swatch.setPixmap(pixmap);
}

}  // namespace

CQtStatusBar::CQtStatusBar(QMainWindow& window, QWidget& canvasHost, CImageEditWnd& canvas)
    : m_canvas(canvas)
{
    QStatusBar& bar = *window.statusBar();
    m_pointerLabel = AddLabel(bar, 80);
    m_pixelLabel = AddLabel(bar, 140);
    m_selectionLabel = AddLabel(bar, 110);
    m_zoomLabel = AddLabel(bar, 50);
    m_layerLabel = AddLabel(bar, 160);
    m_drawingSwatch = AddSwatch(bar);
    m_drawingLabel = new QLabel(&bar);
    bar.addPermanentWidget(m_drawingLabel);
    m_backgroundSwatch = AddSwatch(bar);
    m_backgroundLabel = new QLabel(&bar);
    bar.addPermanentWidget(m_backgroundLabel);
    canvasHost.installEventFilter(this);
}

void CQtStatusBar::Refresh()
{
    const SStatusBarInfo info = DescribeStatus(m_canvas, m_pointer);
    m_pointerLabel->setText(QString::fromStdString(info.pointer));
    m_pixelLabel->setText(QString::fromStdString(info.pixel));
    m_selectionLabel->setText(QString::fromStdString(info.selection));
    m_zoomLabel->setText(QString::fromStdString(info.zoom));
    m_layerLabel->setText(QString::fromStdString(info.layer));
    m_drawingLabel->setText(QString::fromStdString(info.drawingColor));
    m_backgroundLabel->setText(QString::fromStdString(info.backgroundColor));
    ShowSwatch(*m_drawingSwatch, info.drawingSwatch);
    ShowSwatch(*m_backgroundSwatch, info.backgroundSwatch);
}

bool CQtStatusBar::eventFilter(QObject*, QEvent* event)
{
    switch (event->type()) {
    case QEvent::MouseMove:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease: {
        const QPoint point = static_cast<QMouseEvent*>(event)->position().toPoint();
        m_pointer = CPoint{point.x(), point.y()};
        RefreshSoon();
        break;
    }
    case QEvent::Leave:
        m_pointer.reset();
        RefreshSoon();
        break;
    default:
        break;
    }
    return false;
}

void CQtStatusBar::RefreshSoon()
{
    if (!m_refreshPending) {
        m_refreshPending = true;
        QTimer::singleShot(0, this, [this] {
            m_refreshPending = false;
            Refresh();
        });
    }
}
