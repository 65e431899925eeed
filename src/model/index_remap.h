#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "model/palette_order.h"

class CStippleboxLayerPtrArray;

// Replaces every byte of arrays by table[byte]. A renumbering that moves a
// few runs of indices (a swap, an entry or a block moved) costs a few
// compare-and-select steps per byte, done many bytes at a time; any other
// looks bytes up two at a time.
class CIndexRemapper {
public:
    explicit CIndexRemapper(const CIndexMap& table);
    void Apply(std::span<uint8_t> pixels) const;

    // Consecutive indices that all move by the same amount (modulo 256).
    struct SShift {
        uint8_t first;
        uint8_t span;  // last − first
        uint8_t delta;
    };
    // Beyond this many runs the lookups are quicker.
    static constexpr size_t kMaxShifts = 6;

private:
    CIndexMap m_table;
    std::vector<SShift> m_shifts;  // empty when the lookups are used
    std::vector<uint16_t> m_pairs;  // every pair of bytes, renumbered
};

void RemapIndices(std::span<uint8_t> pixels, const CIndexMap& table);
// Renumbers every layer's pixels and both planes of every layer's selection,
// so that the picture keeps its look after palette entries moved.
void RemapLayerIndices(CStippleboxLayerPtrArray& layers, const CIndexMap& table);
