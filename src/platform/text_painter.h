#pragma once

#include <string>

#include "model/display_pixel.h"
#include "model/geometry.h"

class CDibSection;

enum class ETextAlign { kLeft, kRight };

// Draws one line of text into an on-screen surface with the desktop's font:
// vertically centred in the rectangle, aligned to its left or right edge and
// cut off at its borders. The program has no fonts of its own, so the
// platform draws; until one is installed nothing is drawn.
class ITextPainter {
public:
    virtual ~ITextPainter() = default;
    virtual void DrawText(CDibSection& surface, const CRect& rect, const std::string& text, ETextAlign align,
                          DisplayPixel color) = 0;
};

ITextPainter& GetTextPainter();
void SetTextPainter(ITextPainter* painter);
