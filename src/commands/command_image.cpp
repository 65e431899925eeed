#include "commands/command_image.h"

#include "model/floating_selection.h"
#include "model/stipplebox_data.h"
#include "views/image_edit_wnd.h"

std::vector<CStippleboxLayer*> CCommandImage::GetLinkedLayers()
{
    return GetLayersAt(*GetLayers(), GetImageEditWnd()->GetLayerCache().GetLinkedList());
}

void CCommandImage::ShowChangedPixels(const CRect& rect)
{
    CImageEditWnd& window = *GetImageEditWnd();
    window.UpdateBackup(rect);
    window.Refresh(rect, true, true, false, true);
}

void CCommandImage::ShowChangedSelection()
{
    CImageEditWnd& window = *GetImageEditWnd();
    window.RebuildSelectionFrame();
    window.RestartFrameTimer();
}
