#pragma once

#include <string>
#include <vector>

#include "bars/command_ids.h"
#include "model/stipplebox_data.h"
#include "palette/palette_wnd.h"
#include "support/editor_fixture.h"
#include "support/headless_tool_window.h"
#include "tools/tool_options.h"

// The real main dialog with a 4 × 4 picture of entries 0 to 15 over the
// greyscale palette (entry i is grey i), its palette window open for the
// drawing colour, and a pen on the window's grid.
class CPaletteWndTest : public CEditorTest {
protected:
    static constexpr int kOffGrid = -1;

    CPaletteWndTest()
    {
        Open(MakeRowsDocument({{"0123", "4567", "89AB", "CDEF"}}));
        Command(kCmdEditDrawingColor);
    }

    CPaletteWnd& Window() { return *dialog.GetPaletteWnd(); }
    CHeadlessToolWindow& Frame() { return static_cast<CHeadlessToolWindow&>(*Window().GetHost()); }
    CColorListEditWnd& Grid() { return Window().GetColorList(); }
    CStippleboxPalette& Palette() { return *Document().GetCurrentPalette(); }

    // The middle of an entry's cell on the grid; off the grid above it.
    CPoint Cell(int entry)
    {
        const CSize cell = Grid().GetCellSize();
        if (entry == kOffGrid) {
            return {cell.cx, -cell.cy};
        }
        return {entry % 16 * cell.cx + cell.cx / 2, entry / 16 * cell.cy + cell.cy / 2};
    }
    void Press(int entry) { Grid().OnLButtonDown(MK_LBUTTON, Cell(entry)); }
    void Move(int entry) { Grid().OnMouseMove(MK_LBUTTON, Cell(entry)); }
    void Release(int entry) { Grid().OnLButtonUp(0, Cell(entry)); }
    // Press on the first entry, move through the others, release on the last.
    void Drag(const std::vector<int>& entries)
    {
        Press(entries.front());
        for (size_t i = 1; i < entries.size(); ++i) {
            Move(entries[i]);
        }
        Release(entries.back());
    }
    void SetDragOption(int option, bool keepLook)
    {
        dialog.GetToolOptions().paletteDragOption = option;
        dialog.GetToolOptions().keepLook = keepLook;
    }
    // The greys of the first entries.
    std::vector<int> Greys(int count)
    {
        std::vector<int> greys;
        for (int i = 0; i < count; ++i) {
            greys.push_back(Palette().GetColor(i).red);
        }
        return greys;
    }
    // What the canvas shows, pixel by pixel of its back buffer.
    std::vector<DisplayPixel> Screen()
    {
        const CDibSection& buffer = *dialog.GetImageEditWnd().GetBackBuffer();
        std::vector<DisplayPixel> pixels;
        for (int y = 0; y < buffer.GetHeight(); ++y) {
            pixels.insert(pixels.end(), buffer.GetDisplayRow(y), buffer.GetDisplayRow(y) + buffer.GetWidth());
        }
        return pixels;
    }
};
