#pragma once

#include "model/stipplebox_accessor.h"
#include "views/image_tool.h"
#include "views/image_wnd.h"

// The navigator's view: the displayed picture at the navigator's own zoom,
// with the part the canvas shows outlined by a one-pixel rectangle of
// inverted pixels, drawn again wherever the picture under it is repainted.
class CPositionImageWnd : public CImageWnd, public CStippleboxAccessor {
public:
    CSize GetImageSize() const override;
    void RepaintAll(bool present) override;
    // Repaints an image rectangle whose pixels changed.
    void RefreshImageRect(CRect rect);

    // The canvas's visible part in image coordinates (it may reach past the
    // image); the outline drawn last, empty when none is drawn.
    CRect GetCanvasView() const;
    const CRect& GetDrawnOutline() const { return m_outline; }

private:
    // Inverts the outline's pixels that lie on the image and in the clip
    // (screen coordinates).
    void InvertOutline(const CRect& outline, const CRect& clip);
    CRect GetImageOnScreen() const;
    // The picture in an image rectangle inside the view.
    void PaintImageRect(const CRect& rect);

    CRect m_outline;
};

// The navigator's tools.
class CPositionImageTool : public CImageTool, public CStippleboxAccessor {};

// Moves the canvas: pressing on the outline grabs it where it was pressed,
// pressing elsewhere on the picture centres the outline there at once; the
// outline then follows the pointer.
class CPositionImageToolNormal : public CPositionImageTool {
public:
    void OnButtonDown(unsigned flags, int x, int y) override;
    void OnMouseMove(unsigned flags, int x, int y) override;
    void OnCaptureLost(CWnd*) override {}

private:
    void MoveCanvas(CPoint point);

    CPoint m_offset;
    CPoint m_last;
};
