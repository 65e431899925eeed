#pragma once

#include <QDialog>

class CImageRotateDlg;
class QLineEdit;
class QRadioButton;

// The form of the rotation dialog: the angle in degrees and the direction.
class CImageRotateForm final : public QDialog {
    Q_OBJECT

public:
    CImageRotateForm(CImageRotateDlg& dialog, QWidget* parent = nullptr);

    void accept() override;

private:
    CImageRotateDlg& m_dialog;
    QLineEdit* m_angle;
    QRadioButton* m_right;
};
