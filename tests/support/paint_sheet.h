#pragma once

#include <cstdint>
#include <string>

#include "model/stipplebox_data.h"
#include "tools/layer_painter.h"
#include "tools/pen_nib.h"
#include "tools/tone.h"

// A one-layer document to draw on with the canvas's drawing operations, in
// ink of index kInk, with the nib and tone the test sets.
class CPaintSheet {
public:
    static constexpr uint8_t kInk = 9;

    // A sheet of one index.
    CPaintSheet(int width, int height, uint8_t paper = 1);
    // A sheet of indices 0 to 8 written as digits, rows separated by '/'.
    explicit CPaintSheet(const std::string& digits);

    CStippleboxLayer& Layer() { return *m_document.GetCurrentLayer(); }
    CStippleboxPalette& Palette() { return *m_document.GetCurrentPalette(); }
    CLayerPainter Painter() { return CLayerPainter(Layer(), Palette(), nib, tone, kInk); }
    // The picture of the inked pixels ("X..X/.XX.").
    std::string Inked();

    CPenNib nib;
    CTone tone;

private:
    CStippleboxData m_document;
};
