#pragma once

#include <QDialog>
#include <vector>

#include "platform/menu.h"

class CAcceleratorDlg;
class CKeyCaptureField;
class QLabel;
class QListWidget;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

// The form of the shortcut-key settings: the menu's commands in a tree with
// their keys; the chosen command's keys in a list, with a field to press a
// new key in.
class CAcceleratorForm final : public QDialog {
    Q_OBJECT

public:
    CAcceleratorForm(CAcceleratorDlg& dialog, QWidget* parent = nullptr);

    QTreeWidget& GetTree() const { return *m_tree; }
    CKeyCaptureField& GetKeyField() const { return *m_keyField; }

private:
    void AddItems(QTreeWidgetItem* parent, const std::vector<SMenuItem>& items);
    uint16_t ChosenCommand() const;
    void ShowKeys();
    void ShowKeyOwner();
    void AddKey();
    void RemoveKey();
    void ResetToDefaults();

    CAcceleratorDlg& m_dialog;
    QTreeWidget* m_tree;
    QListWidget* m_keys;
    CKeyCaptureField* m_keyField;
    QLabel* m_owner;
    QPushButton* m_add;
    QPushButton* m_remove;
};
