#include "tools/layer_painter.h"

#include "model/stipplebox_image_selection.h"
#include "model/stipplebox_layer.h"
#include "model/stipplebox_palette.h"
#include "tools/ellipse_columns.h"
#include "tools/fill_region.h"
#include "tools/pen_nib.h"
#include "tools/tone.h"

CLayerPainter::CLayerPainter(CStippleboxLayer& layer, const CStippleboxPalette& palette, const CPenNib& nib,
                             const CTone& tone, uint8_t color)
    : m_layer(layer),
      m_selection(layer.GetSelection()),
      m_colorMask(palette.GetMaskData()),
      m_nib(nib),
      m_tone(tone),
      m_color(color)
{
}

const uint8_t* CLayerPainter::GetSelectionMask() const
{
    return m_selection.HasMask() ? m_selection.GetMask().data() : nullptr;
}

bool CLayerPainter::ClipToEditArea(CRect& rect) const
{
    if (!rect.IntersectRect(rect, {0, 0, m_layer.GetWidth(), m_layer.GetHeight()})) {
        return false;
    }
    return !m_selection.HasMask() || m_selection.Intersect(rect);
}

// Writes the colour at every pixel of the (clipped) area that covers(x, y)
// and the tone allow, and with applyMasks the selection mask and the colour
// mask too. Tests that cannot fail are left out of the loop.
template <class Coverage>
void CLayerPainter::WriteArea(const CRect& area, bool applyMasks, Coverage covers)
{
    const bool toned = !m_tone.IsSolid();
    const uint8_t* selectionMask = applyMasks ? GetSelectionMask() : nullptr;
    const CRect& selectionRect = m_selection.GetRect();
    for (int y = area.top; y < area.bottom; ++y) {
        uint8_t* row = m_layer.GetPixels() + size_t(y) * m_layer.GetWidth();
        const uint8_t* tone = m_tone.GetRow(y);
        const uint8_t* selectionRow =
            selectionMask == nullptr ? nullptr : selectionMask + size_t(y - selectionRect.top) * selectionRect.Width();
        for (int x = area.left; x < area.right; ++x) {
            if (!covers(x, y) || (toned && tone[x & 3] == 0) ||
                (selectionRow != nullptr && selectionRow[x - selectionRect.left] == 0) ||
                (applyMasks && m_colorMask[row[x]] != 0)) {
                continue;
            }
            row[x] = m_color;
        }
    }
}

void CLayerPainter::StampNib(int x, int y)
{
    const int left = x + m_nib.GetOrigin();
    const int top = y + m_nib.GetOrigin();
    CRect area{left, top, left + m_nib.GetSize(), top + m_nib.GetSize()};
    if (!ClipToEditArea(area)) {
        return;
    }
    WriteArea(area, true, [&](int px, int py) { return m_nib.Covers(px - left, py - top); });
}

CRect CLayerPainter::FillRectangle(const CRect& rect)
{
    CRect area = rect;
    if (!ClipToEditArea(area)) {
        return {};
    }
    WriteArea(area, true, [](int, int) { return true; });
    return area;
}

void CLayerPainter::FillEllipse(int x0, int y0, int x1, int y1)
{
    const CEllipseColumns ellipse(x0, y0, x1, y1);
    for (int i = 0; i < ellipse.Width(); ++i) {
        const double h = ellipse.HalfHeight(i);
        const int x = ellipse.Left() + i;
        const int top = static_cast<int>(ellipse.UpperCentre() + 0.5 - h);
        const int bottom = static_cast<int>(ellipse.LowerCentre() + h + 0.5) + 1;
        FillRectangle({x, top, x + 1, bottom});
    }
}

CRect CLayerPainter::FloodFill(int x, int y, const uint8_t* displayed, EFillStyle style)
{
    CRect area{0, 0, m_layer.GetWidth(), m_layer.GetHeight()};
    if (!ClipToEditArea(area)) {
        return {};
    }
    if (style == kFillHorizontalLine) {
        area.IntersectRect(area, {area.left, y, area.right, y + 1});
    } else if (style == kFillVerticalLine) {
        area.IntersectRect(area, {x, area.top, x + 1, area.bottom});
    }
    const SFillSource source{displayed, m_layer.GetWidth(), GetSelectionMask(), m_selection.GetRect()};
    SFillRegion region = GrowFillRegion(source, area, {x, y});
    if (region.bounds.IsRectEmpty()) {
        return {};
    }
    if (style == kFillInnerEdge) {
        KeepInnerEdge(region);
    } else if (style == kFillOuterEdge) {
        MakeOuterEdge(region);
    }
    return PaintMask(region.bounds, region.mask.data(), region.area);
}

CRect CLayerPainter::PaintMask(const CRect& rect, const uint8_t* mask, const CRect& maskRect)
{
    CRect area = rect;
    if (!ClipToEditArea(area) || !area.IntersectRect(area, maskRect)) {
        return {};
    }
    const int stride = maskRect.Width();
    WriteArea(area, false, [&](int px, int py) {
        return mask[size_t(py - maskRect.top) * stride + (px - maskRect.left)] != 0;
    });
    return area;
}
