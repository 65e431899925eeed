#include "model/layer_merge.h"

#include <cstring>

#include "model/stipplebox_layer_ptr_array.h"

void MergeLayers(const CStippleboxLayerPtrArray& layers, uint8_t transparentIndex, CStippleboxLayer& target)
{
    const size_t count = size_t(target.GetWidth()) * size_t(target.GetHeight());
    uint8_t* out = target.GetPixels();
    std::memcpy(out, layers[layers.GetSize() - 1]->GetPixels(), count);
    for (int index = layers.GetSize() - 2; index >= 0; --index) {
        const uint8_t* in = layers[index]->GetPixels();
        for (size_t i = 0; i < count; ++i) {
            if (in[i] != transparentIndex) {
                out[i] = in[i];
            }
        }
    }
}
