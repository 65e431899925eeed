#include "tools/image_selector.h"

#include "tools/selection_mask.h"
#include "tools/shape.h"
#include "tools/shape_pen.h"
#include "views/image_edit_wnd.h"

void CImageSelector::Reset()
{
    m_points.clear();
    m_rect = {};
}

void CImageSelector::DrawShape(CShape& shape, int x0, int y0, int x1, int y1, bool redraw, bool replace)
{
    const CRect previous = m_rect;
    if (replace) {
        m_points.clear();
    }
    CShapePenSelectNormal pen(&m_points);
    CRect shapeRect;
    shape.Draw(pen, x0, y0, x1, y1, &shapeRect);
    if (replace) {
        m_rect = shapeRect;
    } else {
        m_rect.UnionRect(m_rect, shapeRect);
    }
    if (redraw) {
        CRect changed = shapeRect;
        if (replace) {
            changed.UnionRect(previous, shapeRect);
        }
        Refresh(changed);
    }
}

void CImageSelector::SetFromMask(const uint8_t* mask, const CRect& rect)
{
    m_points.clear();
    m_rect = rect;
    const int width = rect.Width();
    const int height = rect.Height();
    const auto isSet = [&](int x, int y) { return mask[size_t(y) * width + x] != 0; };
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            if (!isSet(x, y)) {
                continue;
            }
            const bool onBorder = x == 0 || y == 0 || x == width - 1 || y == height - 1;
            if (onBorder || !isSet(x - 1, y) || !isSet(x + 1, y) || !isSet(x, y - 1) || !isSet(x, y + 1)) {
                Append(rect.left + x, rect.top + y);
            }
        }
    }
}

std::vector<uint8_t> CImageSelector::BuildMask()
{
    std::vector<uint8_t> mask;
    if (!m_rect.IsRectEmpty()) {
        mask = MakeOutlineMask(m_points, m_rect);
    }
    m_points.clear();
    return mask;
}

void CImageSelector::Refresh(const CRect& rect) const
{
    if (m_window != nullptr) {
        m_window->Refresh(rect, true, false, false, false);
    }
}
