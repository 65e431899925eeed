#pragma once

#include "model/dib_section.h"
#include "views/mouse_wnd.h"

class CStippleboxPalette;

// A palette shown as a 16 × 16 grid of colour cells, entry i at column
// i mod 16 and row i div 16, with grey lines between the cells and a stroke
// across each cell of the colour mask.
class CColorListWnd : public CMouseWnd {
public:
    static constexpr int kColumns = 16;
    static constexpr int kMinimumCell = 4;

    // The client size of the grid whose cells fill the requested size.
    static CSize FitClientSize(CSize requested);

    CSize GetCellSize() const { return m_cell; }
    // The cell with its four grid lines.
    CRect GetCellRect(int entry) const;
    // The entry under the point, or −1 off the grid.
    int HitTest(CPoint point) const;
    // The nearest entry: columns and rows clamp to the grid, and anywhere
    // below it is the last entry.
    int HitTestClamped(CPoint point) const;
    // A signed position counted in entries, for the offsets of drags; off
    // the grid it goes on past the first and last entries.
    int HitTestOffset(CPoint point) const;

    // The palette shown; none shows empty cells.
    virtual const CStippleboxPalette* GetPalette() const = 0;
    void RedrawAll();
    void RedrawEntry(int entry);

    void OnSize(int width, int height) override;
    const CDibSection* GetBackBuffer() const override { return m_surface.IsCreated() ? &m_surface : nullptr; }

protected:
    CDibSection& Surface() { return m_surface; }
    // Draws what lies over the cells within the area (client coordinates).
    virtual void PaintMarks(const CRect& area);

private:
    void PaintCell(int entry);

    CSize m_cell{kMinimumCell, kMinimumCell};
    CDibSection m_surface;
};
