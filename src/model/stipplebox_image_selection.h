#pragma once

#include <cstdint>
#include <vector>

#include "model/geometry.h"

// A layer's pixel selection. It floats: the selected pixels are held apart
// from the layer so that they can move without destroying what lies beneath.
// The rectangle may lie partly or wholly outside the canvas.
class CStippleboxImageSelection {
public:
    virtual ~CStippleboxImageSelection() = default;

    // Replaces any selection by one covering the rectangle. Both planes are
    // allocated with undefined content. No mask means all selected; otherwise
    // the mask (width × height bytes, non-zero = selected) is taken over.
    void Create(const CRect& rect, std::vector<uint8_t> mask = {});
    // Releases the mask and both planes; the rectangle keeps its last value.
    void Clear();

    // A layer has a selection exactly when its selection has a mask.
    bool HasMask() const { return !m_mask.empty(); }

    const CRect& GetRect() const { return m_rect; }
    void SetRect(const CRect& rect) { m_rect = rect; }
    int GetWidth() const { return m_rect.Width(); }
    int GetHeight() const { return m_rect.Height(); }

    std::vector<uint8_t>& GetMask() { return m_mask; }
    const std::vector<uint8_t>& GetMask() const { return m_mask; }
    std::vector<uint8_t>& GetFloating() { return m_floating; }
    const std::vector<uint8_t>& GetFloating() const { return m_floating; }
    std::vector<uint8_t>& GetUnderneath() { return m_underneath; }
    const std::vector<uint8_t>& GetUnderneath() const { return m_underneath; }

private:
    CRect m_rect;
    std::vector<uint8_t> m_mask;
    std::vector<uint8_t> m_floating;
    std::vector<uint8_t> m_underneath;
};
