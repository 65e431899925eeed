#pragma once

#include <QWidget>
#include <map>

#include "platform/window.h"

// Carries one toolkit-free window on screen: forwards the left and middle
// buttons, the wheel, pointer moves, size changes and timer ticks to it,
// keeps its pointer capture (lost when the window is deactivated, for example
// by a dialog), and paints by copying its display-depth back buffer. Scroll
// bars that the window sets are passed on to whatever shows them.
class CQtWindowHost final : public QWidget, public IWindowHost {
    Q_OBJECT

public:
    explicit CQtWindowHost(CWnd& window, QWidget* parent = nullptr);
    ~CQtWindowHost() override;

    void SetCapture() override;
    void ReleaseCapture() override;
    bool HasCapture() const override { return m_captured; }
    void SetTimer(int id, int milliseconds) override;
    void KillTimer(int id) override;
    void Present(const CRect& rect) override;
    void SetScrollInfo(EScrollBar bar, const SScrollInfo& info) override;
    void SetCursor(ECursor cursor) override;

    const SScrollInfo& GetScrollInfo(EScrollBar bar) const { return m_scrollInfo[int(bar)]; }
    // The user moved the window's scroll bar.
    void ScrollTo(EScrollBar bar, int position);

signals:
    void ScrollInfoChanged();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void timerEvent(QTimerEvent* event) override;
    void changeEvent(QEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void LoseCapture();

    CWnd& m_window;
    bool m_captured = false;
    std::map<int, int> m_timerIds;  // window's timer id -> Qt timer id
    SScrollInfo m_scrollInfo[2];
};
