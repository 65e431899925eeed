#include "views/zoom_manager.h"

#include <algorithm>

int CZoomManager::ZoomIn(int current) const
{
    const auto next = std::upper_bound(m_levels.begin(), m_levels.end(), current);
    return next == m_levels.end() ? current : *next;
}

int CZoomManager::ZoomOut(int current) const
{
    const auto next = std::lower_bound(m_levels.begin(), m_levels.end(), current);
    return next == m_levels.begin() ? current : *std::prev(next);
}
