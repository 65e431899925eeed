#pragma once

#include <QImage>
#include <QWidget>

class CStippleboxData;

// Shows a document's current layer through its current palette, centred and
// enlarged by the largest whole factor (at most 8) that fits.
class CPictureView final : public QWidget {
    Q_OBJECT

public:
    explicit CPictureView(QWidget* parent = nullptr);

    void SetDocument(const CStippleboxData* document);
    const QImage& GetImage() const { return m_image; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage m_image;
};
