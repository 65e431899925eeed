#pragma once

#include <QDialog>

class CGeneralDlg;
class QCheckBox;

// The form of the general settings dialog.
class CGeneralForm final : public QDialog {
    Q_OBJECT

public:
    CGeneralForm(CGeneralDlg& dialog, QWidget* parent = nullptr);

    void accept() override;

private:
    CGeneralDlg& m_dialog;
    QCheckBox* m_pickByLongPress;
    QCheckBox* m_fitToWindow;
};
