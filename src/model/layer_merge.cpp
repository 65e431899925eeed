#include "model/layer_merge.h"

#include <cstring>

#include "model/stipplebox_layer_ptr_array.h"

void DrawLayerOver(const CStippleboxLayer& source, uint8_t transparentIndex, CStippleboxLayer& target)
{
    const size_t count = target.GetPixelCount();
    const uint8_t* in = source.GetPixels();
    uint8_t* out = target.GetPixels();
    for (size_t i = 0; i < count; ++i) {
        if (in[i] != transparentIndex) {
            out[i] = in[i];
        }
    }
}

void MergeLayers(const CStippleboxLayerPtrArray& layers, uint8_t transparentIndex, CStippleboxLayer& target)
{
    std::memcpy(target.GetPixels(), layers[layers.GetSize() - 1]->GetPixels(), target.GetPixelCount());
    for (int index = layers.GetSize() - 2; index >= 0; --index) {
        DrawLayerOver(*layers[index], transparentIndex, target);
    }
}
