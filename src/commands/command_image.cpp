#include "commands/command_image.h"

#include "model/stipplebox_data.h"
#include "views/image_edit_wnd.h"
#include "views/linked_selection.h"

std::vector<CStippleboxLayer*> CCommandImage::GetLinkedLayers()
{
    return ::GetLinkedLayers(*GetImageEditWnd());
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
