#pragma once

#include <cstdint>
#include <span>

#include "model/palette_order.h"

class CStippleboxLayerPtrArray;

// Replaces every byte by table[byte].
void RemapIndices(std::span<uint8_t> pixels, const CIndexMap& table);
// Renumbers every layer's pixels and both planes of every layer's selection,
// so that the picture keeps its look after palette entries moved.
void RemapLayerIndices(CStippleboxLayerPtrArray& layers, const CIndexMap& table);
