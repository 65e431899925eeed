#pragma once

#include <cstdint>

class CStippleboxPalette;

// Recolours the entries the 256-byte mask marks with an even blend from the
// lowest marked entry's colour to the highest one's, each byte computed in
// single precision and truncated. Only colours change; unmarked entries
// between keep theirs and take no step. Needs two or more marked entries.
void ApplyGradation(CStippleboxPalette& palette, const uint8_t* mask);
