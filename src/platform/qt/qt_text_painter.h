#pragma once

#include "platform/text_painter.h"

// Draws text into on-screen surfaces with the application's font; a text
// too long for its rectangle ends in an ellipsis.
class CQtTextPainter final : public ITextPainter {
public:
    void DrawText(CDibSection& surface, const CRect& rect, const std::string& text, ETextAlign align,
                  DisplayPixel color) override;
};
