#include "app/grid_dlg.h"

#include <algorithm>
#include <optional>

#include "app/modal_dialogs.h"
#include "app/size_presets.h"

CGridDlg::CGridDlg(const SImageGrid& grid, const std::vector<int>& zooms) : m_grid(grid)
{
    std::copy_if(zooms.begin(), zooms.end(), std::back_inserter(m_zoomChoices), [](int zoom) { return zoom >= 2; });
    SetInterval(grid.interval.cx, grid.interval.cy);
}

bool CGridDlg::DoModal(IModalDialogs& dialogs)
{
    return dialogs.RunGrid(*this);
}

int CGridDlg::FindZoomChoice(int limit) const
{
    const auto found = std::lower_bound(m_zoomChoices.begin(), m_zoomChoices.end(), limit);
    return found == m_zoomChoices.end() ? int(m_zoomChoices.size()) - 1 : int(found - m_zoomChoices.begin());
}

void CGridDlg::SetInterval(int horizontal, int vertical)
{
    m_grid.interval = {std::clamp(horizontal, kMinInterval, kMaxInterval),
                       std::clamp(vertical, kMinInterval, kMaxInterval)};
}

void CGridDlg::ChoosePreset(int index)
{
    if (const std::optional<CSize> size = GetSizePreset(index)) {
        SetInterval(size->cx, size->cy);
    }
}
