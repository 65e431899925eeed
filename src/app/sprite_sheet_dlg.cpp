#include "app/sprite_sheet_dlg.h"

#include <algorithm>

#include "app/ini_profile.h"
#include "app/modal_dialogs.h"

CSpriteSheetDlg::CSpriteSheetDlg(std::filesystem::path profilePath) : m_profilePath(std::move(profilePath)) {}

bool CSpriteSheetDlg::DoModal(IModalDialogs& dialogs)
{
    Exchange(false);
    if (!dialogs.RunSpriteSheet(*this)) {
        return false;
    }
    Exchange(true);
    return true;
}

void CSpriteSheetDlg::SetColumns(int columns)
{
    m_columns = std::clamp(columns, 1, kMaxColumns);
}

void CSpriteSheetDlg::SetPadding(int padding)
{
    m_padding = std::clamp(padding, 0, SSpriteSheetLayout::kMaxPadding);
}

SSpriteSheetOptions CSpriteSheetDlg::GetOptions() const
{
    const int columns = m_layout == kRow ? 0 : m_layout == kColumn ? 1 : m_columns;
    return {columns, m_padding};
}

void CSpriteSheetDlg::Exchange(bool saving)
{
    CIniProfile profile(m_profilePath, !saving, saving);
    int layout = m_layout;
    int columns = m_columns;
    int padding = m_padding;
    profile.Exchange(saving, "", "Layout", layout);
    profile.Exchange(saving, "", "Columns", columns);
    profile.Exchange(saving, "", "Padding", padding);
    m_layout = layout == kColumn || layout == kGrid ? ELayout(layout) : kRow;
    SetColumns(columns);
    SetPadding(padding);
}
