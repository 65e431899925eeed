#include "tools/image_edit_tool.h"

#include "views/image_edit_wnd.h"

CImageEditWnd& CImageEditTool::GetEditWindow() const
{
    return static_cast<CImageEditWnd&>(*GetImageWindow());
}
