#include "model/index_remap.h"

#include "model/stipplebox_image_selection.h"
#include "model/stipplebox_layer_ptr_array.h"

void RemapIndices(std::span<uint8_t> pixels, const CIndexMap& table)
{
    for (uint8_t& pixel : pixels) {
        pixel = table[pixel];
    }
}

void RemapLayerIndices(CStippleboxLayerPtrArray& layers, const CIndexMap& table)
{
    for (int i = 0; i < layers.GetSize(); ++i) {
        CStippleboxLayer& layer = *layers[i];
        CStippleboxImageSelection& selection = layer.GetSelection();
        RemapIndices({layer.GetPixels(), layer.GetPixelCount()}, table);
        RemapIndices(selection.GetFloating(), table);
        RemapIndices(selection.GetUnderneath(), table);
    }
}
