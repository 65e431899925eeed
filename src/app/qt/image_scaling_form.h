#pragma once

#include <QDialog>

class CImageScalingDlg;
class QCheckBox;
class QSpinBox;

// The form of the scaling dialog: the source size, the new size and the
// keep-aspect option, whose fields follow each other through the dialog's
// logic. The interpolation box is there but hidden, as scaling always takes
// the nearest pixel.
class CImageScalingForm final : public QDialog {
    Q_OBJECT

public:
    CImageScalingForm(CImageScalingDlg& dialog, QWidget* parent = nullptr);

    void accept() override;

private:
    // Shows the logic's size without the fields reporting it back.
    void ShowNewSize();

    CImageScalingDlg& m_dialog;
    QSpinBox* m_width;
    QSpinBox* m_height;
    QCheckBox* m_keepAspect;
    QCheckBox* m_interpolate;
};
