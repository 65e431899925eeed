#include "bars/icon_manager.h"

#include "bars/embedded_icons.h"

CIconManager::CIconManager()
{
    for (const SEmbeddedIcon& icon : GetEmbeddedIcons()) {
        m_embedded.emplace(icon.code, &icon);
    }
}

const CIcon* CIconManager::Find(unsigned code) const
{
    if (const auto loaded = m_loaded.find(code); loaded != m_loaded.end()) {
        return loaded->second ? &*loaded->second : nullptr;
    }
    const auto embedded = m_embedded.find(code);
    if (embedded == m_embedded.end()) {
        return nullptr;
    }
    std::optional<CIcon>& icon = m_loaded[code];
    icon.emplace();
    if (!icon->Load(embedded->second->png1x, embedded->second->png2x)) {
        icon.reset();
        return nullptr;
    }
    return &*icon;
}

void CIconManager::DrawIcon(CDibSection& target, unsigned code, const CRect& rect, int scale) const
{
    if (const CIcon* icon = Find(code)) {
        const CSize size = icon->GetSize(scale);
        icon->Draw(target, {rect.left + (rect.Width() - size.cx) / 2, rect.top + (rect.Height() - size.cy) / 2}, scale);
    }
}
