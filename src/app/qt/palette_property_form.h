#pragma once

#include <QDialog>

class CPalettePropertyDlg;
class QLineEdit;

// The form of the palette property dialog: the palette's name.
class CPalettePropertyForm final : public QDialog {
    Q_OBJECT

public:
    CPalettePropertyForm(CPalettePropertyDlg& dialog, QWidget* parent = nullptr);

    void accept() override;

private:
    CPalettePropertyDlg& m_dialog;
    QLineEdit* m_name;
};
