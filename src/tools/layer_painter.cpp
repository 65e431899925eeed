#include "tools/layer_painter.h"

#include <algorithm>
#include <vector>

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

// Writes the colour at every pixel of the (clipped) area where the coverage
// row (coverage(y) points at the byte for area.left; null covers the whole
// row) and the tone allow it, and with applyMasks the selection mask and the
// colour mask too. Each row is decided in passes over a row of flags so that
// the loops stay simple enough to vectorise.
template <class Coverage>
void CLayerPainter::WriteArea(const CRect& area, bool applyMasks, Coverage coverage)
{
    const int width = area.Width();
    const bool toned = !m_tone.IsSolid();
    // Scratch rows, kept for the painter's life so that stamps allocate
    // nothing: the tone's four rows laid out over the area, and the flags.
    m_scratch.resize(size_t(width) * (toned ? 5 : 1));
    uint8_t* allowed = m_scratch.data();
    uint8_t* toneRows = allowed + width;
    if (toned) {
        for (int y = 0; y < 4; ++y) {
            for (int i = 0; i < width; ++i) {
                toneRows[size_t(y) * width + i] = m_tone.GetRow(y)[(area.left + i) & 3];
            }
        }
    }
    const uint8_t* selectionMask = applyMasks ? GetSelectionMask() : nullptr;
    const CRect& selectionRect = m_selection.GetRect();
    for (int y = area.top; y < area.bottom; ++y) {
        if (const uint8_t* covered = coverage(y)) {
            for (int i = 0; i < width; ++i) {
                allowed[i] = covered[i] != 0 ? 1 : 0;
            }
        } else {
            std::fill_n(allowed, width, 1);
        }
        if (toned) {
            const uint8_t* tone = toneRows + size_t(y & 3) * width;
            for (int i = 0; i < width; ++i) {
                allowed[i] &= tone[i];
            }
        }
        if (selectionMask != nullptr) {
            const uint8_t* selected = selectionMask + size_t(y - selectionRect.top) * selectionRect.Width() +
                                      (area.left - selectionRect.left);
            for (int i = 0; i < width; ++i) {
                allowed[i] &= selected[i] != 0 ? 1 : 0;
            }
        }
        uint8_t* pixels = m_layer.GetPixels() + size_t(y) * m_layer.GetWidth() + area.left;
        if (applyMasks) {
            for (int i = 0; i < width; ++i) {
                pixels[i] = allowed[i] != 0 && m_colorMask[pixels[i]] == 0 ? m_color : pixels[i];
            }
        } else {
            for (int i = 0; i < width; ++i) {
                pixels[i] = allowed[i] != 0 ? m_color : pixels[i];
            }
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
    const int column = area.left - left;
    WriteArea(area, true, [&](int row) { return m_nib.GetMask() + size_t(row - top) * m_nib.GetSize() + column; });
}

CRect CLayerPainter::FillRectangle(const CRect& rect)
{
    CRect area = rect;
    if (!ClipToEditArea(area)) {
        return {};
    }
    WriteArea(area, true, [](int) -> const uint8_t* { return nullptr; });
    return area;
}

void CLayerPainter::FillEllipse(int x0, int y0, int x1, int y1)
{
    const CEllipseColumns ellipse(x0, y0, x1, y1);
    for (int i = 0; i < ellipse.Width(); ++i) {
        const double h = ellipse.HalfHeight(i);
        const int x = ellipse.Left() + i;
        const int top = static_cast<int>(ellipse.UpperCentre() + 0.5 - h);
        const int bottom = ellipse.LowerRow(h) + 1;
        FillRectangle({x, top, x + 1, bottom});
    }
}

CRect CLayerPainter::FloodFill(int x, int y, const uint8_t* displayed, EFillStyle style,
                               std::vector<uint8_t>* keptMask)
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
    std::vector<uint8_t> zeroedMask = keptMask != nullptr ? std::move(*keptMask) : std::vector<uint8_t>();
    SFillRegion region = GrowFillRegion(source, area, {x, y}, std::move(zeroedMask));
    CRect painted;
    if (!region.bounds.IsRectEmpty()) {
        if (style == kFillInnerEdge) {
            KeepInnerEdge(region);
        } else if (style == kFillOuterEdge) {
            MakeOuterEdge(region);
        }
        painted = PaintMask(region.bounds, region.mask.data(), region.area);
    }
    if (keptMask != nullptr) {
        *keptMask = ReleaseRegionMask(region);
    }
    return painted;
}

CRect CLayerPainter::PaintMask(const CRect& rect, const uint8_t* mask, const CRect& maskRect)
{
    CRect area = rect;
    if (!ClipToEditArea(area) || !area.IntersectRect(area, maskRect)) {
        return {};
    }
    WriteArea(area, false, [&](int row) {
        return mask + size_t(row - maskRect.top) * maskRect.Width() + (area.left - maskRect.left);
    });
    return area;
}
