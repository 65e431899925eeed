#pragma once

#include <QDialog>

class CGridDlg;
class QComboBox;
class QSpinBox;

// The form of the grid dialog: from which zoom each grid shows, and the
// interval grid's spacing, typed or chosen from the presets.
class CGridForm final : public QDialog {
    Q_OBJECT

public:
    CGridForm(CGridDlg& dialog, QWidget* parent = nullptr);

    void accept() override;

private:
    QComboBox* MakeZoomChoice(int limit, QWidget* parent) const;

    CGridDlg& m_dialog;
    QComboBox* m_pixelGridZoom;
    QSpinBox* m_horizontal;
    QSpinBox* m_vertical;
    QComboBox* m_presets;
    QComboBox* m_intervalGridZoom;
};
