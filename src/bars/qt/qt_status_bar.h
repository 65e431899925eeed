#pragma once

#include <QObject>
#include <optional>

#include "model/geometry.h"

class CImageEditWnd;
class QLabel;
class QMainWindow;
class QWidget;

// The main window's status bar: where the pointer is on the picture and what
// lies there, the selection's size, the zoom, the current layer and the two
// colours with their swatches. It follows the pointer over the canvas; the
// rest is brought up to date by Refresh.
class CQtStatusBar final : public QObject {
    Q_OBJECT

public:
    CQtStatusBar(QMainWindow& window, QWidget& canvasHost, CImageEditWnd& canvas);

    void Refresh();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Refreshes once the pointer's event has reached the canvas.
    void RefreshSoon();

    CImageEditWnd& m_canvas;
    std::optional<CPoint> m_pointer;
    bool m_refreshPending = false;
    QLabel* m_pointerLabel;
    QLabel* m_pixelLabel;
    QLabel* m_selectionLabel;
    QLabel* m_zoomLabel;
    QLabel* m_layerLabel;
    QLabel* m_drawingSwatch;
    QLabel* m_drawingLabel;
    QLabel* m_backgroundSwatch;
    QLabel* m_backgroundLabel;
};
