#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <string>
#include <vector>

#include "model/dib_section.h"
#include "platform/qt/qt_window_host.h"

namespace {

// Paints a top row and a left column in colours that a 16-bit surface could
// not show, and logs its messages.
class CProbeWindow : public CWnd {
public:
    void OnSize(int width, int height) override
    {
        log.push_back("size " + std::to_string(width) + "x" + std::to_string(height));
        buffer.Create(width, height, kDisplayBitCount, 0);
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                buffer.GetDisplayRow(y)[x] = y == 0   ? MakeDisplayPixel(250, 210, 40)
                                             : x == 0 ? MakeDisplayPixel(1, 2, 3)
                                                      : kDisplayWhite;
            }
        }
    }
    void OnLButtonDown(unsigned flags, CPoint point) override
    {
        log.push_back("down " + std::to_string(point.x) + "," + std::to_string(point.y) +
                      ((flags & MK_SHIFT) ? " shift" : ""));
        SetCapture();
    }
    void OnLButtonUp(unsigned, CPoint) override { ReleaseCapture(); }
    void OnCaptureChanged(CWnd*) override { log.push_back("capture changed"); }
    const CDibSection* GetBackBuffer() const override { return &buffer; }

    CDibSection buffer;
    std::vector<std::string> log;
};

void Send(QWidget& widget, QEvent::Type type, QPoint point, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QMouseEvent event(type, QPointF(point), widget.mapToGlobal(QPointF(point)), Qt::LeftButton,
                      type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, modifiers);
    QApplication::sendEvent(&widget, &event);
}

}  // namespace

TEST(QtWindowHost, ShowsTheBackBufferTheRightWayRoundAndForwardsTheLeftButtonWithCapture)
{
    CProbeWindow window;
    CQtWindowHost host(window);
    host.resize(20, 10);
    host.show();
    QApplication::processEvents();
    const QImage shown = host.grab().toImage();
    EXPECT_EQ(shown.pixelColor(5, 0), QColor(250, 210, 40)) << "the bottom-up buffer's top row is on top, exactly";
    EXPECT_EQ(shown.pixelColor(0, 5), QColor(1, 2, 3));
    EXPECT_EQ(shown.pixelColor(5, 9), QColor(255, 255, 255));
    EXPECT_EQ(window.log.front(), "size 20x10");

    window.log.clear();
    Send(host, QEvent::MouseButtonPress, {3, 4}, Qt::ShiftModifier);
    EXPECT_TRUE(host.HasCapture());
    Send(host, QEvent::MouseButtonRelease, {3, 4});
    EXPECT_FALSE(host.HasCapture());
    EXPECT_EQ(window.log, (std::vector<std::string>{"down 3,4 shift", "capture changed"}));
}
