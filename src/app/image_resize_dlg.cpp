#include "app/image_resize_dlg.h"

#include <algorithm>

#include "app/modal_dialogs.h"
#include "commands/command_image_resize.h"

CImageResizeDlg::CImageResizeDlg(CSize currentSize) : m_currentSize(currentSize), m_newSize(currentSize) {}

bool CImageResizeDlg::DoModal(IModalDialogs& dialogs)
{
    return dialogs.RunImageResize(*this);
}

void CImageResizeDlg::SetNewSize(int width, int height)
{
    m_newSize = {std::clamp(width, kMinSize, kMaxSize), std::clamp(height, kMinSize, kMaxSize)};
}

void CImageResizeDlg::SetAnchor(int anchor)
{
    m_anchor = std::clamp(anchor, 0, kAnchorCount - 1);
}

std::unique_ptr<CCommand> CImageResizeDlg::CreateCommand() const
{
    if (m_newSize == m_currentSize) {
        return nullptr;
    }
    return std::make_unique<CCommandImageResize>(m_newSize.cx, m_newSize.cy, m_anchor);
}
