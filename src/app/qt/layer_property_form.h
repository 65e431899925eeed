#pragma once

#include <QDialog>

class CLayerPropertyDlg;
class QLineEdit;

// The form of the layer property dialog: the layer's name, its delay and the
// delay's unit; choosing another unit converts the delay shown.
class CLayerPropertyForm final : public QDialog {
    Q_OBJECT

public:
    CLayerPropertyForm(CLayerPropertyDlg& dialog, QWidget* parent = nullptr);

    void accept() override;

private:
    CLayerPropertyDlg& m_dialog;
    QLineEdit* m_name;
};
