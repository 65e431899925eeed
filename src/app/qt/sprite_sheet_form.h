#pragma once

#include <QDialog>

class CSpriteSheetDlg;
class QRadioButton;
class QSpinBox;

// The form of the sprite sheet export dialog: one row, one column or a grid
// of a number of columns, and the padding between frames.
class CSpriteSheetForm final : public QDialog {
    Q_OBJECT

public:
    CSpriteSheetForm(CSpriteSheetDlg& dialog, QWidget* parent = nullptr);

    void accept() override;

private:
    CSpriteSheetDlg& m_dialog;
    QRadioButton* m_row;
    QRadioButton* m_column;
    QRadioButton* m_grid;
    QSpinBox* m_columns;
    QSpinBox* m_padding;
};
