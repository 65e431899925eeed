#include "platform/text_painter.h"

namespace {

class CNoTextPainter final : public ITextPainter {
public:
    void DrawText(CDibSection&, const CRect&, const std::string&, ETextAlign, DisplayPixel) override {}
};

CNoTextPainter g_noTextPainter;
ITextPainter* g_textPainter = nullptr;

}  // namespace

ITextPainter& GetTextPainter()
{
    return g_textPainter != nullptr ? *g_textPainter : g_noTextPainter;
}

void SetTextPainter(ITextPainter* painter)
{
    g_textPainter = painter;
}
