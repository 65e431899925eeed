#include "views/linked_selection.h"

#include "model/floating_selection.h"
#include "model/stipplebox_data.h"
#include "views/image_edit_wnd.h"

std::vector<CStippleboxLayer*> GetLinkedLayers(CImageEditWnd& canvas)
{
    return GetLayersAt(*canvas.GetDocument()->GetLayers(), canvas.GetLayerCache().GetLinkedList());
}

void ShowSelectionPixels(CImageEditWnd& canvas, const CRect& area)
{
    canvas.UpdateBackup(area);
    canvas.Refresh(area, true, true, true, true);
}

void ShowSelectionChange(CImageEditWnd& canvas, const CRect& area)
{
    canvas.RebuildSelectionFrame();
    ShowSelectionPixels(canvas, area);
    canvas.RestartFrameTimer();
}
