// The main window on a desktop: files dropped from a file manager, and the
// canvas on a screen of twice the pixel density.
#include <gtest/gtest.h>

#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

#include "model/stipplebox_data.h"
#include "platform/qt/main_window_fixture.h"
#include "platform/qt/qt_file_drop.h"
#include "platform/qt/qt_window_host.h"

using DesktopWindow = CQtMainWindowTest;

TEST_F(DesktopWindow, FilesDroppedAnywhereOnTheWindowArriveAfterTheDrop)
{
    std::vector<std::filesystem::path> received;
    CQtFileDrop drop(window, [&](std::vector<std::filesystem::path> files) { received = std::move(files); });
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile("/pictures/a.sbx"), QUrl("https://example.com/b.png"),
                  QUrl::fromLocalFile("/pictures/c d.gif")});
    const QPoint middle = window.GetCanvasHost().geometry().center();
    QDragEnterEvent enter(middle, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&window, &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent dropped(middle, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&window, &dropped);
    EXPECT_TRUE(received.empty()) << "handed over once the drop has ended";
    QApplication::processEvents();
    EXPECT_EQ(received, (std::vector<std::filesystem::path>{"/pictures/a.sbx", "/pictures/c d.gif"}));

    QMimeData text;
    text.setText("not a file");
    QDragEnterEvent refused(middle, Qt::CopyAction, &text, Qt::LeftButton, Qt::NoModifier);
    refused.ignore();
    QApplication::sendEvent(&window, &refused);
    EXPECT_FALSE(refused.isAccepted());
}

TEST_F(DesktopWindow, TheCanvasIsPixelSharpAtTwiceTheDevicePixels)
{
    // A checker of black and white at zoom 4: any smoothing would blend them.
    CStippleboxLayer& layer = *dialog.GetDocument()->GetCurrentLayer();
    for (int y = 0; y < layer.GetHeight(); ++y) {
        for (int x = 0; x < layer.GetWidth(); ++x) {
            layer.SetPixel(x, y, (x + y) % 2 == 0 ? 0 : 159);
        }
    }
    dialog.SetZoom(4);
    dialog.OnLayersChanged(false);
    QApplication::processEvents();
    CQtWindowHost& host = window.GetCanvasHost();
    QImage single(host.size(), QImage::Format_RGB32);
    host.render(&single);
    QImage twice(host.size() * 2, QImage::Format_RGB32);
    twice.setDevicePixelRatio(2);
    host.render(&twice);
    int blurred = 0;
    for (int y = 0; y < single.height(); ++y) {
        for (int x = 0; x < single.width(); ++x) {
            for (int i = 0; i < 4; ++i) {
                blurred += twice.pixel(2 * x + i % 2, 2 * y + i / 2) != single.pixel(x, y);
            }
        }
    }
    EXPECT_EQ(blurred, 0) << "every screen pixel becomes two by two device pixels of its colour";
    EXPECT_NE(single.pixel(host.width() / 2, host.height() / 2), single.pixel(host.width() / 2 + 4, host.height() / 2))
        << "the checker is on the screen";
}
