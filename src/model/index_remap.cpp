#include "model/index_remap.h"

#include <cstring>
#include <utility>

#include "model/stipplebox_image_selection.h"
#include "model/stipplebox_layer_ptr_array.h"

namespace {

using SShift = CIndexRemapper::SShift;

// The runs of the table that move, or one more than kMaxShifts when there
// are too many.
std::vector<SShift> FindShifts(const CIndexMap& table)
{
    std::vector<SShift> shifts;
    for (int i = 0; i < 256 && shifts.size() <= CIndexRemapper::kMaxShifts;) {
        const uint8_t delta = uint8_t(table[i] - i);
        int last = i;
        while (last + 1 < 256 && uint8_t(table[last + 1] - (last + 1)) == delta) {
            ++last;
        }
        if (delta != 0) {
            shifts.push_back({uint8_t(i), uint8_t(last - i), delta});
        }
        i = last + 1;
    }
    return shifts;
}

// With the number of runs fixed the compiler unrolls them and does many
// bytes at a time.
template <size_t kCount>
void ShiftIndices(std::span<uint8_t> pixels, const SShift* shifts)
{
    for (uint8_t& pixel : pixels) {
        const uint8_t value = pixel;
        uint8_t result = value;
        for (size_t k = 0; k < kCount; ++k) {
            const uint8_t inRun = uint8_t(-int(uint8_t(value - shifts[k].first) <= shifts[k].span));
            result = uint8_t((result & ~inRun) | (uint8_t(value + shifts[k].delta) & inRun));
        }
        pixel = result;
    }
}

template <size_t... kCounts>
void ShiftIndicesBy(std::span<uint8_t> pixels, const std::vector<SShift>& shifts, std::index_sequence<kCounts...>)
{
    (void)((shifts.size() == kCounts && (ShiftIndices<kCounts>(pixels, shifts.data()), true)) || ...);
}

}  // namespace

CIndexRemapper::CIndexRemapper(const CIndexMap& table) : m_table(table), m_shifts(FindShifts(table))
{
    if (m_shifts.size() <= kMaxShifts) {
        return;
    }
    m_shifts.clear();
    m_pairs.resize(65536);
    for (size_t pair = 0; pair < m_pairs.size(); ++pair) {
        // The bytes' order in memory does not matter: both are renumbered alike.
        m_pairs[pair] = uint16_t(table[pair >> 8] << 8 | table[pair & 0xFF]);
    }
}

void CIndexRemapper::Apply(std::span<uint8_t> pixels) const
{
    if (m_pairs.empty()) {
        ShiftIndicesBy(pixels, m_shifts, std::make_index_sequence<kMaxShifts + 1>());
        return;
    }
    // Local pointers: the byte stores could otherwise alias the members.
    const uint16_t* pairs = m_pairs.data();
    uint8_t* bytes = pixels.data();
    const size_t count = pixels.size();
    size_t i = 0;
    for (; i + 2 <= count; i += 2) {
        uint16_t pair;
        std::memcpy(&pair, bytes + i, 2);
        pair = pairs[pair];
        std::memcpy(bytes + i, &pair, 2);
    }
    if (i < count) {
        bytes[i] = m_table[bytes[i]];
    }
}

void RemapIndices(std::span<uint8_t> pixels, const CIndexMap& table)
{
    CIndexRemapper(table).Apply(pixels);
}

void RemapLayerIndices(CStippleboxLayerPtrArray& layers, const CIndexMap& table)
{
    const CIndexRemapper remapper(table);
    for (int i = 0; i < layers.GetSize(); ++i) {
        CStippleboxLayer& layer = *layers[i];
        CStippleboxImageSelection& selection = layer.GetSelection();
        remapper.Apply({layer.GetPixels(), layer.GetPixelCount()});
        remapper.Apply(selection.GetFloating());
        remapper.Apply(selection.GetUnderneath());
    }
}
