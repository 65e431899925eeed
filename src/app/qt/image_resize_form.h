#pragma once

#include <QDialog>

class CImageResizeDlg;
class QButtonGroup;
class QSpinBox;

// The form of the canvas-size dialog: the size now, the new size, and the
// anchor as nine buttons in a 3 × 3 grid.
class CImageResizeForm final : public QDialog {
    Q_OBJECT

public:
    CImageResizeForm(CImageResizeDlg& dialog, QWidget* parent = nullptr);

    void accept() override;

private:
    CImageResizeDlg& m_dialog;
    QSpinBox* m_width;
    QSpinBox* m_height;
    QButtonGroup* m_anchors;
};
