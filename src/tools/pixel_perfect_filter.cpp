#include "tools/pixel_perfect_filter.h"

#include <cstdlib>

#include "model/stipplebox_layer.h"

namespace {

bool IsLCorner(CPoint first, CPoint middle, CPoint last)
{
    if (std::abs(last.x - first.x) != 1 || std::abs(last.y - first.y) != 1) {
        return false;
    }
    return middle == CPoint{first.x, last.y} || middle == CPoint{last.x, first.y};
}

}  // namespace

std::optional<CPixelPerfectFilter::SPixel> CPixelPerfectFilter::Add(const SPixel& pixel)
{
    // A point drawn twice in a row is one point of the stroke.
    if (!m_kept.empty() && m_kept.back().point == pixel.point) {
        return std::nullopt;
    }
    if (m_kept.size() == 2 && IsLCorner(m_kept[0].point, m_kept[1].point, pixel.point)) {
        const SPixel corner = m_kept[1];
        m_kept[1] = pixel;
        return corner;
    }
    if (m_kept.size() == 2) {
        m_kept.erase(m_kept.begin());
    }
    m_kept.push_back(pixel);
    return std::nullopt;
}

void CShapePenPixelPerfect::Plot(int x, int y)
{
    uint8_t* pixel = nullptr;
    if (x >= 0 && y >= 0 && x < m_layer.GetWidth() && y < m_layer.GetHeight()) {
        pixel = m_layer.GetPixels() + size_t(y) * size_t(m_layer.GetWidth()) + size_t(x);
    }
    CPixelPerfectFilter::SPixel drawn{{x, y}, pixel ? std::optional<uint8_t>(*pixel) : std::nullopt};
    m_pen.Plot(x, y);
    const std::optional<CPixelPerfectFilter::SPixel> corner = m_filter.Add(drawn);
    if (corner && corner->before) {
        m_layer.GetPixels()[size_t(corner->point.y) * size_t(m_layer.GetWidth()) + size_t(corner->point.x)] =
            *corner->before;
    }
}
