#pragma once

#include <cstdint>
#include <vector>

#include "model/geometry.h"

// A layer's pixel selection. It floats: the selected pixels are held apart
// from the layer so that they can move without destroying what lies beneath.
// The rectangle may lie partly or wholly outside the canvas; the parts of the
// planes that lie outside exist only here, so moving the selection back onto
// the canvas brings them back.
class CStippleboxImageSelection {
public:
    virtual ~CStippleboxImageSelection() = default;

    // Replaces any selection by one covering the rectangle. Both planes are
    // allocated with undefined content. No mask means all selected; otherwise
    // the mask (width × height bytes, non-zero = selected) is taken over.
    void Create(const CRect& rect, std::vector<uint8_t> mask = {});
    // Replaces any selection by the given planes and mask, each width × height
    // bytes of the rectangle (a snapshot being put back).
    void Assign(const CRect& rect, std::vector<uint8_t> floating, std::vector<uint8_t> underneath,
                std::vector<uint8_t> mask);
    // Releases the mask and both planes; the rectangle keeps its last value.
    void Clear();

    // Narrows the rectangle to its overlap with the selection rectangle;
    // false when they do not overlap.
    bool Intersect(CRect& rect) const;
    // Shrinks the selection to the bounding box of the mask bytes equal to 1.
    // With no such byte a 1 × 1 selection at the old top-left remains.
    void TrimToMask();
    // Zeroes what a snapshot need not keep: the floating plane over the
    // canvas (with clearInside; the layer holds those pixels) and the
    // underneath plane outside it (nothing lies beneath there).
    void PrepareForSnapshot(CSize canvas, bool clearInside);

    // A layer has a selection exactly when its selection has a mask.
    bool HasMask() const { return !m_mask.empty(); }

    const CRect& GetRect() const { return m_rect; }
    void SetRect(const CRect& rect) { m_rect = rect; }
    int GetWidth() const { return m_rect.Width(); }
    int GetHeight() const { return m_rect.Height(); }
    // The part of the rectangle that lies on a canvas of the size; empty
    // when none does.
    CRect GetCanvasPart(CSize canvas) const;

    std::vector<uint8_t>& GetMask() { return m_mask; }
    const std::vector<uint8_t>& GetMask() const { return m_mask; }
    std::vector<uint8_t>& GetFloating() { return m_floating; }
    const std::vector<uint8_t>& GetFloating() const { return m_floating; }
    std::vector<uint8_t>& GetUnderneath() { return m_underneath; }
    const std::vector<uint8_t>& GetUnderneath() const { return m_underneath; }

private:
    size_t GetArea() const { return size_t(m_rect.Width()) * size_t(m_rect.Height()); }

    CRect m_rect;
    std::vector<uint8_t> m_mask;
    std::vector<uint8_t> m_floating;
    std::vector<uint8_t> m_underneath;
};
