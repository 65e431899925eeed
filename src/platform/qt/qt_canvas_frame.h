#pragma once

#include <QWidget>

#include "platform/window.h"

class CQtWindowHost;
class QScrollBar;

// A window host with the two scroll bars the window sets, beside and below
// it: they show its scroll ranges and move it when the user drags them.
class CQtCanvasFrame final : public QWidget {
    Q_OBJECT

public:
    CQtCanvasFrame(CWnd& window, QWidget* parent = nullptr);

    CQtWindowHost& GetHost() const { return *m_host; }
    QScrollBar& GetScrollBar(EScrollBar bar) const;

private:
    void ShowScrollInfo();

    CQtWindowHost* m_host;
    QScrollBar* m_horizontal;
    QScrollBar* m_vertical;
};
