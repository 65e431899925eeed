#pragma once

#include <cstdint>

class CStippleboxLayer;
class CStippleboxLayerPtrArray;

// Draws one layer over another of the same size: every pixel of the source
// except those of the transparent index (the document's background colour).
void DrawLayerOver(const CStippleboxLayer& source, uint8_t transparentIndex, CStippleboxLayer& target);

// The picture all layers make together, as formats that keep one layer store
// it: the backmost layer (the highest index) is copied, then every layer in
// front of it is drawn over it in turn, its pixels of the transparent index
// (the document's background colour) left out. The target has the layers' size.
void MergeLayers(const CStippleboxLayerPtrArray& layers, uint8_t transparentIndex, CStippleboxLayer& target);
