#pragma once

#include <cstdint>
#include <vector>

#include "model/geometry.h"

class CPenNib;
class CStippleboxImageSelection;
class CStippleboxLayer;
class CStippleboxPalette;
class CTone;

// Fill styles of the flood fill.
enum EFillStyle : uint8_t {
    kFillNormal = 0,
    kFillInnerEdge = 1,
    kFillOuterEdge = 2,
    kFillHorizontalLine = 3,
    kFillVerticalLine = 4,
};

// Writes the drawing colour into a layer the way the canvas's drawing
// operations do. Everything is clipped to the edit area: the image and, when
// the layer has a selection, the selection's rectangle. A pixel is written
// only where the tone allows it; stamps and filled areas also keep to the
// selection mask and leave pixels of colour-masked palette entries alone.
// Made for one stroke step from the canvas's nib, tone and colour.
class CLayerPainter {
public:
    CLayerPainter(CStippleboxLayer& layer, const CStippleboxPalette& palette, const CPenNib& nib,
                  const CTone& tone, uint8_t color);

    const CPenNib& GetNib() const { return m_nib; }
    // Narrows the rectangle to the edit area; false when nothing is left.
    bool ClipToEditArea(CRect& rect) const;

    // One nib stamp centred on the point.
    void StampNib(int x, int y);
    // Fills the rectangle (right and bottom exclusive) and returns the part
    // of it that was considered (the area to refresh).
    CRect FillRectangle(const CRect& rect);
    // The ellipse fitted into the box of two corners, filled column by column.
    void FillEllipse(int x0, int y0, int x1, int y1);
    // Fills the region of the seed's index in `displayed` (the composited
    // picture of the layer's size, what the user sees) in a fill style.
    // Returns the rectangle that was painted, empty when nothing was. A
    // keptMask carries the region mask from one fill to the next, all zero
    // in between (see GrowFillRegion).
    CRect FloodFill(int x, int y, const uint8_t* displayed, EFillStyle style,
                    std::vector<uint8_t>* keptMask = nullptr);
    // Writes where the mask (laid over maskRect) is set, within the rectangle.
    // Neither the selection mask nor the colour mask applies. Returns the
    // part considered.
    CRect PaintMask(const CRect& rect, const uint8_t* mask, const CRect& maskRect);

private:
    const uint8_t* GetSelectionMask() const;
    template <class Coverage>
    void WriteArea(const CRect& area, bool applyMasks, Coverage coverage);

    CStippleboxLayer& m_layer;
    const CStippleboxImageSelection& m_selection;
    const uint8_t* m_colorMask;
    const CPenNib& m_nib;
    const CTone& m_tone;
    uint8_t m_color;
    std::vector<uint8_t> m_scratch;
};
