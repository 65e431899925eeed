#pragma once

#include "model/dib_section.h"
#include "bars/bar_object_wnd.h"

// The tool bar's small palette: every entry of the current palette as a cell,
// kColumns to a row, the drawing colour framed and the background colour
// dotted. A click on a cell makes it the drawing colour.
class CMiniPaletteWnd final : public CBarObjectWnd {
public:
    static constexpr int kColumns = 64;
    static constexpr int kRows = 256 / kColumns;
    static constexpr int kCellSize = 5;
    static constexpr CSize kSize{kColumns * kCellSize, kRows * kCellSize};

    void Redraw() override;
    // The entry under the point, or -1.
    int HitTest(CPoint point) const;

    void OnSize(int width, int height) override;
    void OnLButtonDown(unsigned flags, CPoint point) override;
    const CDibSection* GetBackBuffer() const override { return m_buffer.IsCreated() ? &m_buffer : nullptr; }

private:
    CDibSection m_buffer;
};
