#pragma once

#include "model/stipplebox_layer.h"
#include "model/stipplebox_object_ptr_array.h"

class CStippleboxLayerPtrArray : public CStippleboxObjectPtrArray<CStippleboxLayer> {
public:
    // Makes a layer of the size named "Layer%03d" with an unused link ID and
    // inserts it at the index (clamped); the current index is not changed.
    CStippleboxLayer* NewLayer(int index, int width, int height);
    // The smallest link ID ≥ 1 that no layer uses.
    int32_t GetUnusedLinkID() const;

    // Reads the array's chunks for a canvas of the size. A layer chunk too
    // short for the canvas's pixels is refused before the layer is made, and
    // a layer that ends without them at once (CDataFormatException).
    void ReadLayers(CStippleboxChunkFile& file, uint32_t length, int canvasWidth, int canvasHeight);

protected:
    void BeginElement(uint32_t length) override;
    void EndElement(const CStippleboxLayer& layer) override;

private:
    int m_canvasWidth = 0;
    int m_canvasHeight = 0;
};
