#include "bars/tool_bar_customize_dlg.h"

#include <utility>

#include "app/modal_dialogs.h"
#include "bars/custom_bar_button.h"

CToolBarCustomizeDlg::CToolBarCustomizeDlg(std::filesystem::path settingsDirectory, const CMenuManager& menus,
                                           const CIconManager& icons)
    : m_settingsDirectory(std::move(settingsDirectory)), m_menus(menus), m_icons(icons)
{
    for (int bar = 0; bar < kToolBarCount; ++bar) {
        m_buttons[size_t(bar)] = LoadBarButtons(m_settingsDirectory, bar);
    }
}

bool CToolBarCustomizeDlg::DoModal(IModalDialogs& dialogs)
{
    return dialogs.RunToolBarCustomize(*this) && Save();
}

void CToolBarCustomizeDlg::Insert(int position, unsigned id)
{
    if (position < 0 || position > int(GetButtons().size()) ||
        (id != kBarSeparator && FindCustomBarButton(id) == nullptr)) {
        return;
    }
    Buttons().insert(Buttons().begin() + position, id);
    m_changed[size_t(m_bar)] = true;
}

void CToolBarCustomizeDlg::Remove(int position)
{
    if (position < 0 || position >= int(GetButtons().size())) {
        return;
    }
    Buttons().erase(Buttons().begin() + position);
    m_changed[size_t(m_bar)] = true;
}

void CToolBarCustomizeDlg::Move(int position, int step)
{
    const int target = position + step;
    const int count = int(GetButtons().size());
    if (position < 0 || position >= count || target < 0 || target >= count) {
        return;
    }
    std::swap(Buttons()[size_t(position)], Buttons()[size_t(target)]);
    m_changed[size_t(m_bar)] = true;
}

void CToolBarCustomizeDlg::RestoreDefaults()
{
    Buttons() = GetDefaultBarButtons(m_bar);
    m_changed[size_t(m_bar)] = true;
}

std::string CToolBarCustomizeDlg::GetLabel(unsigned id) const
{
    return id == kBarSeparator ? "区切り" : GetCustomBarButtonLabel(m_menus, id);
}

bool CToolBarCustomizeDlg::Save() const
{
    bool saved = true;
    for (int bar = 0; bar < kToolBarCount; ++bar) {
        if (m_changed[size_t(bar)]) {
            saved = SaveBarButtons(m_settingsDirectory, bar, m_buttons[size_t(bar)]) && saved;
        }
    }
    return saved;
}
