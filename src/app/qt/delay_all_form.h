#pragma once

#include <QDialog>

class CDelayAllDlg;

// The form of the delay-for-all-layers dialog: the delay and its unit;
// choosing another unit converts the delay shown.
class CDelayAllForm final : public QDialog {
    Q_OBJECT

public:
    CDelayAllForm(CDelayAllDlg& dialog, QWidget* parent = nullptr);
};
