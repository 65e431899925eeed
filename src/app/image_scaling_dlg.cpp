#include "app/image_scaling_dlg.h"

#include <algorithm>

#include "app/ini_profile.h"
#include "app/modal_dialogs.h"
#include "commands/command_image_effects.h"

namespace {

int ClampSize(int size)
{
    return std::clamp(size, CImageScalingDlg::kMinSize, CImageScalingDlg::kMaxSize);
}

}  // namespace

CImageScalingDlg::CImageScalingDlg(std::filesystem::path profilePath, CSize sourceSize)
    : m_profilePath(std::move(profilePath)),
      m_sourceSize(sourceSize),
      m_ratio(float(sourceSize.cx) / float(sourceSize.cy)),
      m_newSize(sourceSize)
{
}

bool CImageScalingDlg::DoModal(IModalDialogs& dialogs)
{
    Exchange(false);
    if (!dialogs.RunImageScaling(*this)) {
        return false;
    }
    Exchange(true);
    return true;
}

void CImageScalingDlg::Exchange(bool saving)
{
    CIniProfile profile(m_profilePath, !saving, saving);
    int keepAspect = m_keepAspect ? 1 : 0;
    int interpolate = m_interpolate ? 1 : 0;
    profile.Exchange(saving, "", "SaveRatio", keepAspect);
    profile.Exchange(saving, "", "Interpolating", interpolate);
    m_keepAspect = keepAspect != 0;
    m_interpolate = interpolate != 0;
}

void CImageScalingDlg::SetNewWidth(int width)
{
    m_newSize.cx = ClampSize(width);
    if (m_keepAspect) {
        m_newSize.cy = ClampSize(static_cast<int>(float(m_newSize.cx) / m_ratio));
    }
}

void CImageScalingDlg::SetNewHeight(int height)
{
    m_newSize.cy = ClampSize(height);
    if (m_keepAspect) {
        m_newSize.cx = ClampSize(static_cast<int>(float(m_newSize.cy) * m_ratio));
    }
}

void CImageScalingDlg::SetKeepAspect(bool keep)
{
    m_keepAspect = keep;
    SetNewWidth(m_newSize.cx);
}

std::unique_ptr<CCommand> CImageScalingDlg::CreateCommand() const
{
    // Compared with the size shown as the source: a selection scaled to the
    // canvas's size is a change like any other.
    if (m_newSize == m_sourceSize) {
        return nullptr;
    }
    return std::make_unique<CCommandImageEffectScaling>(m_newSize.cx, m_newSize.cy, m_interpolate);
}
