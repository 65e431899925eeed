#pragma once

#include <QDialog>

class CNewDocumentDlg;
class QComboBox;
class QSpinBox;

// The form of the new-document dialog: size fields with a preset list, and
// the background and palette choices.
class CNewDocumentForm final : public QDialog {
    Q_OBJECT

public:
    CNewDocumentForm(CNewDocumentDlg& dialog, QWidget* parent = nullptr);

    void accept() override;

private:
    void ChoosePreset(int index);

    CNewDocumentDlg& m_dialog;
    QSpinBox* m_width;
    QSpinBox* m_height;
    QComboBox* m_presets;
    QComboBox* m_background;
    QComboBox* m_palette;
};
