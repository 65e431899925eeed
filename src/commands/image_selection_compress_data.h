#pragma once

#include <memory>

#include "model/geometry.h"

class CCompressData;
class CStippleboxLayer;

// A snapshot of a layer's pixel selection: its rectangle, both planes and the
// mask.
class CImageSelectionCompressData {
public:
    static constexpr int kSelfSize = 36;

    CImageSelectionCompressData();
    virtual ~CImageSelectionCompressData();

    // Keeps the layer's selection; the selection keeps its own arrays. With
    // prepare, what need not be kept is zeroed in the selection first (the
    // floating plane over the canvas only with clearInside), so that the
    // snapshot compresses well. A layer without a selection stores only that.
    void Store(CStippleboxLayer& layer, bool clearInside, bool prepare);
    // Clears the layer's selection, then puts back what was stored.
    void Restore(CStippleboxLayer& layer);
    void Clear();

    bool IsStored() const { return m_stored; }
    int GetDataSize(bool includeSelf) const;

private:
    std::unique_ptr<CCompressData> m_floating;
    std::unique_ptr<CCompressData> m_underneath;
    std::unique_ptr<CCompressData> m_mask;
    CRect m_rect;
    bool m_stored = false;
};
