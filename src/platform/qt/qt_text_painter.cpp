#include "platform/qt/qt_text_painter.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <algorithm>

#include "model/dib_section.h"

void CQtTextPainter::DrawText(CDibSection& surface, const CRect& rect, const std::string& text, ETextAlign align,
                              DisplayPixel color)
{
    CRect area;
    if (!surface.IsCreated() || !area.IntersectRect(rect, surface.GetRect())) {
        return;
    }
    // The surface's rows lie bottom-up: the text is drawn on a copy of the
    // area and the copy put back. The toolkit's pixels carry an opaque top
    // byte where ours carry 0.
    constexpr DisplayPixel kOpaque = 0xFF000000u;
    QImage image(area.Width(), area.Height(), QImage::Format_RGB32);
    for (int y = 0; y < area.Height(); ++y) {
        const DisplayPixel* row = surface.GetDisplayRow(area.top + y) + area.left;
        std::transform(row, row + area.Width(), reinterpret_cast<DisplayPixel*>(image.scanLine(y)),
                       [](DisplayPixel pixel) { return pixel | kOpaque; });
    }
    {
        QPainter painter(&image);
        const QFont font = QGuiApplication::font();
        painter.setFont(font);
        painter.setPen(QColor::fromRgb(color));
        // Placed in the whole rectangle, so a clipped part keeps its place.
        const QRect target(rect.left - area.left, rect.top - area.top, rect.Width(), rect.Height());
        const QString shown =
            QFontMetrics(font).elidedText(QString::fromStdString(text), Qt::ElideRight, rect.Width());
        painter.drawText(target, Qt::AlignVCenter | Qt::TextSingleLine |
                                     (align == ETextAlign::kLeft ? Qt::AlignLeft : Qt::AlignRight),
                         shown);
    }
    for (int y = 0; y < area.Height(); ++y) {
        const auto* row = reinterpret_cast<const DisplayPixel*>(image.constScanLine(y));
        std::transform(row, row + area.Width(), surface.GetDisplayRow(area.top + y) + area.left,
                       [](DisplayPixel pixel) { return pixel & ~kOpaque; });
    }
}
