#include "bars/qt/qt_icons.h"

#include <QImage>
#include <QPixmap>

#include "bars/icon_manager.h"

QPixmap ToQPixmap(const CIcon& icon, int scale)
{
    const CSize size = icon.GetSize(scale);
    const std::vector<uint32_t> pixels = icon.GetArgbPixels(scale);
    QImage image(size.cx, size.cy, QImage::Format_ARGB32);
    for (int y = 0; y < size.cy; ++y) {
        std::copy_n(pixels.begin() + ptrdiff_t(y) * size.cx, size.cx, reinterpret_cast<uint32_t*>(image.scanLine(y)));
    }
    return QPixmap::fromImage(image);
}

QIcon ToQIcon(const CIcon* icon)
{
    QIcon result;
    if (icon != nullptr) {
        for (const int scale : {1, 2}) {
            QPixmap pixmap = ToQPixmap(*icon, scale);
            pixmap.setDevicePixelRatio(scale);
            result.addPixmap(pixmap);
        }
    }
    return result;
}

QIcon ToQIcon(const CIconManager& icons, unsigned code)
{
    return ToQIcon(icons.Find(code));
}
