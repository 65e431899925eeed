#pragma once

#include <array>
#include <cstdint>
#include <memory>

#include "model/stipplebox_accessor.h"

class CStippleboxPalette;

// Moves of the current palette's entry selection by an offset in entries.
// Begin saves the palette and the selection mask; every preview rebuilds the
// palette and the mask from those copies, so previews of different offsets
// can follow each other during one drag.
class CColorSelectionMove : public CStippleboxAccessor {
public:
    // Sends each old entry index to its new index.
    using CIndexMap = std::array<uint8_t, 256>;

    CColorSelectionMove();
    virtual ~CColorSelectionMove();

    void Begin();
    // Copies the selected entries of the current palette into the selection's
    // palette of selected colours, in entry order.
    void Lift();
    // Floats the selected colours to the offset: the entries they leave get
    // their earlier colours back, those they cover are kept in the
    // selection's palette.
    void PreviewMove(int offset);
    // Moves the selected entries by the offset and closes the gaps, shifting
    // the entries between.
    void PreviewInsert(int offset);
    // Moves the selected entries by the offset; the entries they displace
    // take the places they left, in order.
    void PreviewSwap(int offset);
    CIndexMap SwapMap(int offset) const;
    CIndexMap InsertMap(int offset) const;
    void Clear();

private:
    void PreviewMap(int offset, const CIndexMap& map);
    int Wrap(int index) const;

    std::unique_ptr<CStippleboxPalette> m_savedPalette;
    std::array<uint8_t, 256> m_savedMask{};
};
