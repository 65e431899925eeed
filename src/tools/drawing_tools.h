#pragma once

#include "tools/image_edit_tool_draw.h"
#include "tools/pixel_perfect_filter.h"

// Freehand: segments from point to point, each without its first point, so
// that no nib stamp repeats at a joint. Never snaps. With the pixel-perfect
// option on, a stroke of pen size 1 without tone loses the middle pixel of
// every L-shaped corner as it is drawn.
class CImageEditToolDrawFree final : public CImageEditToolDraw {
public:
    bool UsesPenSize() const override { return true; }

protected:
    void BeginStroke(CPoint point) override;
    void ContinueStroke(CPoint point) override;

private:
    // The filter for this stroke, or null when it draws every point.
    CPixelPerfectFilter* GetPixelPerfectFilter();

    CPixelPerfectFilter m_pixelPerfect;
    bool m_isPixelPerfectStroke = false;
};

class CImageEditToolDrawLine final : public CImageEditToolDrawShape {
public:
    bool UsesPenSize() const override { return true; }

protected:
    // Line snap: the line runs between cell corners.
    void SnapCorners(CPoint& first, CPoint& second, CSize interval) const override;
    void DrawCorners(CPoint first, CPoint second) override;
};

class CImageEditToolDrawRect final : public CImageEditToolDrawShape {
public:
    bool UsesPenSize() const override { return true; }

protected:
    void DrawCorners(CPoint first, CPoint second) override;
};

class CImageEditToolDrawRectFill final : public CImageEditToolDrawShape {
protected:
    void DrawCorners(CPoint first, CPoint second) override;
};

class CImageEditToolDrawEllipse final : public CImageEditToolDrawShape {
public:
    bool UsesPenSize() const override { return true; }

protected:
    void DrawCorners(CPoint first, CPoint second) override;
};

class CImageEditToolDrawEllipseFill final : public CImageEditToolDrawShape {
protected:
    void DrawCorners(CPoint first, CPoint second) override;
};

// Flood fill of the area of one colour under the press, in the canvas's fill
// style. Moves do nothing; it never snaps.
class CImageEditToolDrawFill final : public CImageEditToolDraw {
public:
    bool UsesFillStyle() const override { return true; }

protected:
    void BeginStroke(CPoint point) override;
    void ContinueStroke(CPoint) override {}
};
