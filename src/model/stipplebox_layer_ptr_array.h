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
};
