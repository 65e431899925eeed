#include "model/stipplebox_accessor.h"

#include "model/stipplebox_data.h"
#include "model/stipplebox_image_selection.h"

CStippleboxAccessor::SContext& CStippleboxAccessor::GetContext()
{
    static SContext context;
    return context;
}

CStippleboxData* CStippleboxAccessor::GetData()
{
    return GetContext().document;
}

CStippleboxLayerPtrArray* CStippleboxAccessor::GetLayers()
{
    return GetData()->GetLayers();
}

CStippleboxPalettePtrArray* CStippleboxAccessor::GetPalettes()
{
    return GetData()->GetPalettes();
}

CStippleboxLayer* CStippleboxAccessor::GetCurrentLayer()
{
    return GetData()->GetCurrentLayer();
}

CStippleboxPalette* CStippleboxAccessor::GetCurrentPalette()
{
    return GetData()->GetCurrentPalette();
}

CStippleboxImageSelection* CStippleboxAccessor::GetCurrentImageSelection()
{
    return &GetCurrentLayer()->GetSelection();
}

CStippleboxColorSelection* CStippleboxAccessor::GetCurrentColorSelection()
{
    return GetCurrentPalette()->GetColorSelection();
}

CSize CStippleboxAccessor::GetCanvasSize()
{
    return GetData()->GetCanvasSize();
}

CImageEditWnd* CStippleboxAccessor::GetImageEditWnd()
{
    return GetContext().imageEditWnd;
}

IMainDialog* CStippleboxAccessor::GetMainDialog()
{
    return GetContext().mainDialog;
}

CScopedAccessorContext::CScopedAccessorContext(const CStippleboxAccessor::SContext& context)
    : m_previous(CStippleboxAccessor::GetContext())
{
    CStippleboxAccessor::GetContext() = context;
}

CScopedAccessorContext::~CScopedAccessorContext()
{
    CStippleboxAccessor::GetContext() = m_previous;
}
