#pragma once

#include <memory>

class CCompressData;
class CImageSelectionCompressData;
class CStippleboxLayer;

// A layer taken out of the document (deleted, merged away) and held for
// undo. While held, its pixels and selection are kept compressed and the
// layer object itself holds neither.
class CLayerCompressData {
public:
    static constexpr int kSelfSize = 16;
    static constexpr int kHeldLayerSize = 40;

    CLayerCompressData();
    virtual ~CLayerCompressData();

    void Store(std::unique_ptr<CStippleboxLayer> layer);
    // Hands the layer back with its pixels and selection; null once spent.
    std::unique_ptr<CStippleboxLayer> Restore();

    int GetDataSize(bool includeSelf) const;

private:
    std::unique_ptr<CStippleboxLayer> m_layer;
    std::unique_ptr<CCompressData> m_pixels;
    std::unique_ptr<CImageSelectionCompressData> m_selection;
};
