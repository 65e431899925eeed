// The canvas's view: fitting a new or opened picture to the window, and the
// bars that follow the zoom however it changed.

#include "app/stipplebox_dlg.h"
#include "app/view_profile.h"

void CStippleboxDlg::LoadViewSettings()
{
    SetFitToWindow(LoadFitToWindow(m_settingsDirectory / "View.ini"));
}

void CStippleboxDlg::SetFitToWindow(bool fit)
{
    // Up to x 16: beyond it a small picture is more grid than picture.
    constexpr int kLargestFitZoom = 16;
    m_fitToWindow = fit;
    std::vector<int> levels;
    if (fit) {
        for (const int level : m_zoomManager.GetLevels()) {
            if (level <= kLargestFitZoom) {
                levels.push_back(level);
            }
        }
    }
    m_imageEditWnd.SetFitZoomLevels(std::move(levels));
}

void CStippleboxDlg::OnZoomChanged(int)
{
    RefreshToolBars();
}
