#include "model/stipplebox_image_selection.h"

#include <cassert>

void CStippleboxImageSelection::Create(const CRect& rect, std::vector<uint8_t> mask)
{
    Clear();
    m_rect = rect;
    const size_t area = static_cast<size_t>(rect.Width()) * static_cast<size_t>(rect.Height());
    assert(mask.empty() || mask.size() == area);
    m_mask = mask.empty() ? std::vector<uint8_t>(area, 1) : std::move(mask);
    m_floating.resize(area);
    m_underneath.resize(area);
}

void CStippleboxImageSelection::Clear()
{
    std::vector<uint8_t>().swap(m_mask);
    std::vector<uint8_t>().swap(m_floating);
    std::vector<uint8_t>().swap(m_underneath);
}
