#pragma once

class CAcceleratorDlg;
class CDelayAllDlg;
class CGeneralDlg;
class CGridDlg;
class CImageResizeDlg;
class CImageRotateDlg;
class CImageScalingDlg;
class CLayerPropertyDlg;
class CNewDocumentDlg;
class CPalettePropertyDlg;
class CSpriteSheetDlg;
class CToolBarCustomizeDlg;
class CVersionDlg;
class CToolSubKeyDlg;

// Shows the forms of the program's dialogs. Each form edits the fields of
// its dialog's logic and returns true when the user confirmed with OK.
class IModalDialogs {
public:
    virtual ~IModalDialogs() = default;
    virtual bool RunNewDocument(CNewDocumentDlg& dialog) = 0;
    virtual bool RunImageResize(CImageResizeDlg& dialog) = 0;
    virtual bool RunImageRotate(CImageRotateDlg& dialog) = 0;
    virtual bool RunImageScaling(CImageScalingDlg& dialog) = 0;
    virtual bool RunDelayAll(CDelayAllDlg& dialog) = 0;
    virtual bool RunGrid(CGridDlg& dialog) = 0;
    virtual bool RunGeneral(CGeneralDlg& dialog) = 0;
    virtual bool RunPaletteProperty(CPalettePropertyDlg& dialog) = 0;
    virtual bool RunToolBarCustomize(CToolBarCustomizeDlg& dialog) = 0;
    virtual bool RunVersion(CVersionDlg& dialog) = 0;
    virtual bool RunLayerProperty(CLayerPropertyDlg& dialog) = 0;
    virtual bool RunAccelerator(CAcceleratorDlg& dialog) = 0;
    virtual bool RunToolSubKey(CToolSubKeyDlg& dialog) = 0;
    virtual bool RunSpriteSheet(CSpriteSheetDlg& dialog) = 0;
};
