#pragma once

#include <QDialog>

class CToolBarCustomizeDlg;
class QComboBox;
class QListWidget;

// The form of the customise dialog: the bar to edit, the buttons bars may
// carry on the left, the bar's buttons in order on the right, and the
// buttons that move them across and up and down. Edits go straight to the
// dialog's logic, which keeps every bar's buttons until OK.
class CToolBarCustomizeForm final : public QDialog {
    Q_OBJECT

public:
    CToolBarCustomizeForm(CToolBarCustomizeDlg& dialog, QWidget* parent = nullptr);

private:
    void ShowBarButtons(int selected);
    void AddChosen();
    void RemoveChosen();
    void MoveChosen(int step);

    CToolBarCustomizeDlg& m_dialog;
    QComboBox* m_bars;
    QListWidget* m_available;
    QListWidget* m_current;
};
