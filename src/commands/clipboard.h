#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "model/geometry.h"

class CStippleboxData;

// The editor's own image clipboard (not the desktop's): one image per layer
// of the link group it was copied from, the selection mask they share, the
// copied area's place on the canvas and the background colour they were
// made with.
class CClipboard {
public:
    struct SImage {
        std::vector<uint8_t> pixels;
        int width = 0;
        int height = 0;
    };

    // Copies the current layer's selection from every layer linked to it, or,
    // without a selection, those layers whole. The selections are lifted
    // first, so their floating planes hold what the layers show.
    void Copy(CStippleboxData& document, std::span<const int> linkedLayers);
    void Clear();

    bool IsEmpty() const { return m_images.empty(); }
    const std::vector<SImage>& GetImages() const { return m_images; }
    // Rectangle-sized, non-zero = copied; empty when the copy had no selection.
    const std::vector<uint8_t>& GetMask() const { return m_mask; }
    const CRect& GetRect() const { return m_rect; }
    uint8_t GetBackgroundColor() const { return m_backgroundColor; }

private:
    std::vector<SImage> m_images;
    std::vector<uint8_t> m_mask;
    CRect m_rect;
    uint8_t m_backgroundColor = 0;
};
