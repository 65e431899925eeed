#include "app/qt/qt_modal_dialogs.h"

#include "app/qt/accelerator_form.h"
#include "app/qt/delay_all_form.h"
#include "app/qt/general_form.h"
#include "app/qt/grid_form.h"
#include "app/qt/image_resize_form.h"
#include "app/qt/image_rotate_form.h"
#include "app/qt/image_scaling_form.h"
#include "app/qt/layer_property_form.h"
#include "app/qt/new_document_form.h"
#include "app/qt/palette_property_form.h"
#include "app/qt/sprite_sheet_form.h"
#include "bars/qt/tool_bar_customize_form.h"
#include "bars/qt/version_form.h"
#include "app/qt/tool_sub_key_form.h"

namespace {

template <class Form, class Dialog>
bool Run(Dialog& dialog, QWidget* parent)
{
    Form form(dialog, parent);
    return form.exec() == QDialog::Accepted;
}

}  // namespace

bool CQtModalDialogs::RunNewDocument(CNewDocumentDlg& dialog)
{
    return Run<CNewDocumentForm>(dialog, m_parent);
}

bool CQtModalDialogs::RunImageResize(CImageResizeDlg& dialog)
{
    return Run<CImageResizeForm>(dialog, m_parent);
}

bool CQtModalDialogs::RunImageRotate(CImageRotateDlg& dialog)
{
    return Run<CImageRotateForm>(dialog, m_parent);
}

bool CQtModalDialogs::RunImageScaling(CImageScalingDlg& dialog)
{
    return Run<CImageScalingForm>(dialog, m_parent);
}

bool CQtModalDialogs::RunDelayAll(CDelayAllDlg& dialog)
{
    return Run<CDelayAllForm>(dialog, m_parent);
}

bool CQtModalDialogs::RunGrid(CGridDlg& dialog)
{
    return Run<CGridForm>(dialog, m_parent);
}

bool CQtModalDialogs::RunGeneral(CGeneralDlg& dialog)
{
    return Run<CGeneralForm>(dialog, m_parent);
}

bool CQtModalDialogs::RunPaletteProperty(CPalettePropertyDlg& dialog)
{
    CPalettePropertyForm form(dialog, m_parent);
    return form.exec() == QDialog::Accepted;
}

bool CQtModalDialogs::RunToolBarCustomize(CToolBarCustomizeDlg& dialog)
{
    return Run<CToolBarCustomizeForm>(dialog, m_parent);
}

bool CQtModalDialogs::RunVersion(CVersionDlg& dialog)
{
    return Run<CVersionForm>(dialog, m_parent);
}

bool CQtModalDialogs::RunLayerProperty(CLayerPropertyDlg& dialog)
{
    return Run<CLayerPropertyForm>(dialog, m_parent);
}

bool CQtModalDialogs::RunAccelerator(CAcceleratorDlg& dialog)
{
    return Run<CAcceleratorForm>(dialog, m_parent);
}

bool CQtModalDialogs::RunToolSubKey(CToolSubKeyDlg& dialog)
{
    return Run<CToolSubKeyForm>(dialog, m_parent);
}

bool CQtModalDialogs::RunSpriteSheet(CSpriteSheetDlg& dialog)
{
    return Run<CSpriteSheetForm>(dialog, m_parent);
}
