#include "model/stipplebox_color_selection.h"

#include <algorithm>

#include "model/stipplebox_palette.h"

CStippleboxColorSelection::CStippleboxColorSelection() = default;
CStippleboxColorSelection::~CStippleboxColorSelection() = default;

void CStippleboxColorSelection::Clear()
{
    m_palette.reset();
    std::vector<uint8_t>().swap(m_mask);
    m_count = 0;
}

bool CStippleboxColorSelection::SetMask(std::vector<uint8_t> mask)
{
    Clear();
    if (mask.size() != kMaskSize) {
        return false;
    }
    const auto count = std::count_if(mask.begin(), mask.end(), [](uint8_t flag) { return flag != 0; });
    if (count == 0) {
        return true;
    }
    m_mask = std::move(mask);
    m_count = static_cast<uint16_t>(count);
    m_palette = std::make_unique<CStippleboxPalette>();
    m_palette->Create(m_count, false);
    return true;
}
