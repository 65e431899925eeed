#pragma once

#include <cstdint>

#include "commands/main_dialog.h"
#include "model/selection_frame_list.h"
#include "model/stipplebox_accessor.h"
#include "palette/color_list_wnd.h"

// What the palette grid asks of the window it sits in.
class IColorListOwner {
public:
    virtual ~IColorListOwner() = default;
    // The colour a pick in the grid sets.
    virtual IMainDialog::EColorIndex GetEditedColor() const = 0;
    // A plain click picked a colour.
    virtual void OnColorPicked() = 0;
};

// The palette window's grid: the current palette, the drawing colour's cell
// framed in red and the background colour's in blue, and the marching
// outline of the entry selection. Its tools pick, mask, select and drag
// entries.
class CColorListEditWnd final : public CColorListWnd, public CStippleboxAccessor {
public:
    static constexpr int kOutlineTimerId = 103;
    static constexpr int kOutlineMilliseconds = 500;
    // The capture mode of a selection tool making or moving a selection:
    // meanwhile the outline shows the dragging dashes.
    static constexpr int16_t kOutlineDragCapture = 2;

    explicit CColorListEditWnd(IColorListOwner& owner) : m_owner(owner) {}

    IColorListOwner& GetOwner() const { return m_owner; }
    const CStippleboxPalette* GetPalette() const override;

    // Takes the outline from the current palette's entry selection, starts
    // or stops its timer, and repaints.
    void ResetSelection();
    // Shows the outline of a 256-entry mask (none: no outline) and repaints.
    void ShowOutline(const uint8_t* mask);
    uint16_t GetOutlinePhase() const { return m_phase; }
    // Sized, the grid has a host for its outline's timer.
    void OnSize(int width, int height) override;
    void OnTimer(int id) override;

protected:
    void PaintMarks(const CRect& area) override;

private:
    void PaintFrame(int entry, DisplayPixel color, const CRect& area);

    IColorListOwner& m_owner;
    CSelectionFrameList m_outline;
    uint16_t m_phase = 0;
};
