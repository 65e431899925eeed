#pragma once

#include <functional>

#include "commands/main_dialog.h"
#include "model/dib_section.h"
#include "bars/bar_object_wnd.h"

// The tool bar's display of the drawing colour (the square in front, top
// left) and the background colour (behind it, bottom right). A click on a
// square asks for that colour to be edited.
class CColorDisplayWnd final : public CBarObjectWnd {
public:
    using ClickHandler = std::function<void(IMainDialog::EColorIndex which)>;

    explicit CColorDisplayWnd(ClickHandler onClick) : m_onClick(std::move(onClick)) {}

    // The colour around the squares: the bar's own.
    void SetBackdrop(DisplayPixel color) { m_backdrop = color; }
    // Paints the open document's colours and shows them.
    void Redraw() override;
    // Which colour the point shows, if any.
    bool HitTest(CPoint point, IMainDialog::EColorIndex& which) const;

    void OnSize(int width, int height) override;
    void OnLButtonDown(unsigned flags, CPoint point) override;
    const CDibSection* GetBackBuffer() const override { return m_buffer.IsCreated() ? &m_buffer : nullptr; }

private:
    CRect GetSquare(IMainDialog::EColorIndex which) const;
    void PaintSquare(const CRect& rect, DisplayPixel color);

    ClickHandler m_onClick;
    CDibSection m_buffer;
    DisplayPixel m_backdrop = kDisplayWhite;
};
