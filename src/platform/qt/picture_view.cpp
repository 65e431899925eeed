#include "platform/qt/picture_view.h"

#include <QPainter>
#include <algorithm>

#include "model/stipplebox_data.h"

CPictureView::CPictureView(QWidget* parent) : QWidget(parent)
{
    setAutoFillBackground(true);
}

void CPictureView::SetDocument(const CStippleboxData* document)
{
    const CStippleboxLayer& layer = *document->GetCurrentLayer();
    const uint16_t* colors = document->GetCurrentPalette()->GetDisplayColors();
    m_image = QImage(layer.GetWidth(), layer.GetHeight(), QImage::Format_RGB16);
    for (int y = 0; y < layer.GetHeight(); ++y) {
        auto* row = reinterpret_cast<uint16_t*>(m_image.scanLine(y));
        for (int x = 0; x < layer.GetWidth(); ++x) {
            row[x] = colors[layer.GetPixel(x, y)];
        }
    }
    update();
}

void CPictureView::paintEvent(QPaintEvent*)
{
    if (m_image.isNull()) {
        return;
    }
    const int zoom = std::clamp(std::min(width() / m_image.width(), height() / m_image.height()), 1, 8);
    const QSize size = m_image.size() * zoom;
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(QRect(QPoint((width() - size.width()) / 2, (height() - size.height()) / 2), size), m_image);
}
