#pragma once

#include "model/geometry.h"
#include "views/mouse_tool.h"

class CImageWnd;

// A pointer tool of an image window, working in image coordinates.
class CImageTool : public CMouseTool {
public:
    CImageWnd* GetImageWindow() const;
    CPoint ScreenToImage(int x, int y) const;
    // Keeps the point on the image.
    CPoint ClampToImage(CPoint point) const;
};

// The hand tool: the image point grabbed at the press stays under the
// pointer while it moves, in whole image pixels.
class CImageToolPalm : public CImageTool {
public:
    void OnButtonDown(unsigned flags, int x, int y) override;
    void OnMouseMove(unsigned flags, int x, int y) override;
    void OnCaptureLost(CWnd* newOwner) override;

private:
    CPoint m_anchor;
};
