#include "model/stipplebox_image_selection.h"

#include <algorithm>
#include <cassert>
#include <cstring>

namespace {

// The part of a width-wide plane that lies in box (coordinates relative to
// the plane's top-left).
std::vector<uint8_t> CropPlane(const std::vector<uint8_t>& plane, int width, const CRect& box)
{
    std::vector<uint8_t> cropped(size_t(box.Width()) * size_t(box.Height()));
    for (int y = box.top; y < box.bottom; ++y) {
        std::memcpy(&cropped[size_t(y - box.top) * box.Width()], &plane[size_t(y) * width + box.left],
                    size_t(box.Width()));
    }
    return cropped;
}

// Sets the bytes of a width-wide plane that lie in box (relative coordinates).
void FillPlane(std::vector<uint8_t>& plane, int width, const CRect& box, uint8_t value)
{
    if (box.IsRectEmpty()) {
        return;
    }
    for (int y = box.top; y < box.bottom; ++y) {
        std::memset(&plane[size_t(y) * width + box.left], value, size_t(box.Width()));
    }
}

}  // namespace

void CStippleboxImageSelection::Create(const CRect& rect, std::vector<uint8_t> mask)
{
    Clear();
    m_rect = rect;
    const size_t area = GetArea();
    assert(mask.empty() || mask.size() == area);
    m_mask = mask.empty() ? std::vector<uint8_t>(area, 1) : std::move(mask);
    m_floating.resize(area);
    m_underneath.resize(area);
}

void CStippleboxImageSelection::Assign(const CRect& rect, std::vector<uint8_t> floating,
                                       std::vector<uint8_t> underneath, std::vector<uint8_t> mask)
{
    m_rect = rect;
    assert(floating.size() == GetArea() && underneath.size() == GetArea() && mask.size() == GetArea());
    m_floating = std::move(floating);
    m_underneath = std::move(underneath);
    m_mask = std::move(mask);
}

void CStippleboxImageSelection::Clear()
{
    std::vector<uint8_t>().swap(m_mask);
    std::vector<uint8_t>().swap(m_floating);
    std::vector<uint8_t>().swap(m_underneath);
}

bool CStippleboxImageSelection::Intersect(CRect& rect) const
{
    return rect.IntersectRect(rect, m_rect);
}

CRect CStippleboxImageSelection::GetCanvasPart(CSize canvas) const
{
    CRect part;
    part.IntersectRect(m_rect, {0, 0, canvas.cx, canvas.cy});
    return part;
}

void CStippleboxImageSelection::TrimToMask()
{
    if (!HasMask()) {
        return;
    }
    const int width = GetWidth();
    const int height = GetHeight();
    CRect box{width, height, 0, 0};
    for (int y = 0; y < height; ++y) {
        const uint8_t* row = &m_mask[size_t(y) * width];
        for (int x = 0; x < width; ++x) {
            if (row[x] == 1) {
                box.left = std::min(box.left, x);
                box.right = std::max(box.right, x + 1);
                box.top = std::min(box.top, y);
                box.bottom = std::max(box.bottom, y + 1);
            }
        }
    }
    if (box == CRect{0, 0, width, height}) {
        return;
    }
    if (box.IsRectEmpty()) {
        const CPoint corner = m_rect.TopLeft();
        Create({corner.x, corner.y, corner.x + 1, corner.y + 1});
        m_floating[0] = 0;
        m_underneath[0] = 0;
        return;
    }
    std::vector<uint8_t> mask = CropPlane(m_mask, width, box);
    std::vector<uint8_t> floating = CropPlane(m_floating, width, box);
    std::vector<uint8_t> underneath = CropPlane(m_underneath, width, box);
    box.OffsetRect(m_rect.left, m_rect.top);
    Assign(box, std::move(floating), std::move(underneath), std::move(mask));
}

void CStippleboxImageSelection::PrepareForSnapshot(CSize canvas, bool clearInside)
{
    if (!HasMask()) {
        return;
    }
    const int width = GetWidth();
    const int height = GetHeight();
    CRect inside = GetCanvasPart(canvas);
    if (inside.IsRectEmpty()) {
        FillPlane(m_underneath, width, {0, 0, width, height}, 0);
        return;
    }
    inside.OffsetRect(-m_rect.left, -m_rect.top);
    if (clearInside) {
        FillPlane(m_floating, width, inside, 0);
    }
    // The strips above, below, left and right of the canvas.
    FillPlane(m_underneath, width, {0, 0, width, inside.top}, 0);
    FillPlane(m_underneath, width, {0, inside.bottom, width, height}, 0);
    FillPlane(m_underneath, width, {0, inside.top, inside.left, inside.bottom}, 0);
    FillPlane(m_underneath, width, {inside.right, inside.top, width, inside.bottom}, 0);
}
