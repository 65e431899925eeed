#include "formats/gif_info.h"

void CGifImageInfo::SetPixels(std::vector<uint8_t> pixels)
{
    m_ownedPixels = std::move(pixels);
    m_pixels = m_ownedPixels;
}

void CGifImageInfo::ReferToPixels(std::span<const uint8_t> pixels)
{
    m_ownedPixels.clear();
    m_pixels = pixels;
}

CGifImageInfo& CGifInfo::AddFrame()
{
    frames.push_back(std::make_unique<CGifImageInfo>());
    return *frames.back();
}
