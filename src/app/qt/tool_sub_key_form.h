#pragma once

#include <QDialog>

class CKeyCaptureField;
class CToolSubKeyDlg;
class QTreeWidget;

// The form of the tool sub-key settings: the functions with their keys; the
// key pressed in the field goes to the chosen function.
class CToolSubKeyForm final : public QDialog {
    Q_OBJECT

public:
    CToolSubKeyForm(CToolSubKeyDlg& dialog, QWidget* parent = nullptr);

    QTreeWidget& GetList() const { return *m_list; }
    CKeyCaptureField& GetKeyField() const { return *m_keyField; }

private:
    void ShowKeys();
    void SetChosenKey(uint8_t key);

    CToolSubKeyDlg& m_dialog;
    QTreeWidget* m_list;
    CKeyCaptureField* m_keyField;
};
