#include "platform/qt/qt_canvas_frame.h"

#include <QGridLayout>
#include <QScrollBar>
#include <QSignalBlocker>

#include "platform/qt/qt_window_host.h"

CQtCanvasFrame::CQtCanvasFrame(CWnd& window, QWidget* parent)
    : QWidget(parent),
      m_host(new CQtWindowHost(window, this)),
      m_horizontal(new QScrollBar(Qt::Horizontal, this)),
      m_vertical(new QScrollBar(Qt::Vertical, this))
{
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_host, 0, 0);
    layout->addWidget(m_vertical, 0, 1);
    layout->addWidget(m_horizontal, 1, 0);
    // The bars take no keyboard focus: keys belong to the canvas.
    for (QScrollBar* bar : {m_horizontal, m_vertical}) {
        bar->setFocusPolicy(Qt::NoFocus);
    }
    connect(m_host, &CQtWindowHost::ScrollInfoChanged, this, &CQtCanvasFrame::ShowScrollInfo);
    connect(m_horizontal, &QScrollBar::valueChanged, this,
            [this](int position) { m_host->ScrollTo(EScrollBar::Horizontal, position); });
    connect(m_vertical, &QScrollBar::valueChanged, this,
            [this](int position) { m_host->ScrollTo(EScrollBar::Vertical, position); });
    ShowScrollInfo();
}

QScrollBar& CQtCanvasFrame::GetScrollBar(EScrollBar bar) const
{
    return bar == EScrollBar::Horizontal ? *m_horizontal : *m_vertical;
}

void CQtCanvasFrame::ShowScrollInfo()
{
    for (const EScrollBar bar : {EScrollBar::Horizontal, EScrollBar::Vertical}) {
        const SScrollInfo& info = m_host->GetScrollInfo(bar);
        QScrollBar& scrollBar = GetScrollBar(bar);
        // Showing where the window is must not move it again.
        const QSignalBlocker quiet(scrollBar);
        scrollBar.setRange(info.minimum, info.maximum);
        scrollBar.setPageStep(std::max(1, info.page));
        scrollBar.setSingleStep(std::max(1, info.page / 16));
        scrollBar.setValue(info.position);
        scrollBar.setEnabled(info.enabled);
    }
}
