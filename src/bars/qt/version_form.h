#pragma once

#include <QDialog>

class CVersionDlg;

// The version dialog's form: the application icon, the program's name and
// version, and the libraries with theirs.
class CVersionForm final : public QDialog {
    Q_OBJECT

public:
    CVersionForm(CVersionDlg& dialog, QWidget* parent = nullptr);
};
