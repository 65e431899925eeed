#pragma once

#include "model/stipplebox_object_ptr_array.h"
#include "model/stipplebox_palette.h"

class CStippleboxPalettePtrArray : public CStippleboxObjectPtrArray<CStippleboxPalette> {
public:
    static constexpr int kMaxPalettes = 10;

    // Makes a 256-entry palette with a colour selection named "Pal%03d" and
    // inserts it at the index (clamped); the current index is not changed.
    CStippleboxPalette* NewPalette(int index);

protected:
    // More palettes than a document can have are refused before they are made.
    void BeginElement(uint32_t length) override;
};
