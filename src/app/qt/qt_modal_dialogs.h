#pragma once

#include "app/modal_dialogs.h"

class QWidget;

// The dialogs' forms on Qt, modal to the given window.
class CQtModalDialogs final : public IModalDialogs {
public:
    explicit CQtModalDialogs(QWidget* parent = nullptr) : m_parent(parent) {}
    void SetParent(QWidget* parent) { m_parent = parent; }

    bool RunNewDocument(CNewDocumentDlg& dialog) override;
    bool RunImageResize(CImageResizeDlg& dialog) override;
    bool RunImageRotate(CImageRotateDlg& dialog) override;
    bool RunImageScaling(CImageScalingDlg& dialog) override;
    bool RunDelayAll(CDelayAllDlg& dialog) override;
    bool RunGrid(CGridDlg& dialog) override;
    bool RunGeneral(CGeneralDlg& dialog) override;
    bool RunPaletteProperty(CPalettePropertyDlg& dialog) override;
    bool RunToolBarCustomize(CToolBarCustomizeDlg& dialog) override;
    bool RunVersion(CVersionDlg& dialog) override;
    bool RunLayerProperty(CLayerPropertyDlg& dialog) override;
    bool RunAccelerator(CAcceleratorDlg& dialog) override;
    bool RunToolSubKey(CToolSubKeyDlg& dialog) override;
    bool RunSpriteSheet(CSpriteSheetDlg& dialog) override;

private:
    QWidget* m_parent;
};
