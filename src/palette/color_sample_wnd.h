#pragma once

#include "model/dib_section.h"
#include "model/stipplebox_palette.h"
#include "platform/window.h"

// A swatch of one colour in a grey frame.
class CColorSampleWnd final : public CWnd {
public:
    void SetColor(const SPaletteColor& color);
    const SPaletteColor& GetColor() const { return m_color; }

    void OnSize(int width, int height) override;
    const CDibSection* GetBackBuffer() const override { return m_backBuffer.IsCreated() ? &m_backBuffer : nullptr; }

private:
    void Paint();

    SPaletteColor m_color;
    CDibSection m_backBuffer;
};
