#pragma once

#include "model/geometry.h"
#include "tools/image_edit_tool.h"
#include "views/press_and_hold.h"

class CPixelPerfectFilter;
class CShape;

// Base of the drawing tools. A stroke draws straight into the current layer
// and grows a dirty rectangle; when it ends, that rectangle becomes one
// drawing command, so the stroke is one undoable step. A tap in eyedropper
// mode, or a press held still with pick by long press on, picks the drawing
// colour from the picture instead and leaves nothing drawn.
class CImageEditToolDraw : public CImageEditTool {
public:
    bool UsesTone() const override { return true; }

    void OnButtonDown(unsigned flags, int x, int y) final;
    void OnMouseMove(unsigned flags, int x, int y) final;
    void OnButtonUp(unsigned flags, int x, int y) override;
    void OnCaptureLost(CWnd* newOwner) override;
    void OnTimer(int id) override;

protected:
    // The stroke's first drawing, at the press point (also the start point).
    virtual void BeginStroke(CPoint point) = 0;
    // A pointer move while the stroke lasts.
    virtual void ContinueStroke(CPoint point) = 0;

    // Draws the shape's outline with the drawing pen, through the
    // pixel-perfect filter when one is given. With replace, the previous
    // preview is taken back first; otherwise the outline adds to the stroke.
    void DrawOutline(CShape& shape, CPoint first, CPoint second, bool replace,
                     CPixelPerfectFilter* pixelPerfect = nullptr);
    // Takes the drawing of the stroke so far back from the canvas's backup;
    // returns the rectangle it covered.
    CRect TakeBackDrawing();
    void ShowDrawing(const CRect& rect);

    CRect m_dirty;   // what the stroke has changed in the current layer
    CPoint m_start;  // the stroke's start (for freehand, the last point drawn)

private:
    // The eyedropper, in its mode or while its sub-key is held: a tap on the
    // picture picks the drawing colour.
    bool TakeEyedropperTap(CPoint point);
    void PickColor(CPoint point);
    void PickByLongPress();
    void Commit();

    CPoint m_pressPoint;
    CPressAndHold m_pressAndHold;
};

// Base of the tools that draw one shape between the start point and the
// pointer, redrawn as the pointer moves.
class CImageEditToolDrawShape : public CImageEditToolDraw {
public:
    bool UsesSnap() const override { return true; }

protected:
    void BeginStroke(CPoint point) override { ShapeStep(point, point); }
    void ContinueStroke(CPoint point) override { ShapeStep(m_start, point); }
    // Box snap: the shape covers whole grid cells.
    virtual void SnapCorners(CPoint& first, CPoint& second, CSize interval) const;
    // Replaces the preview by the shape between the corners.
    virtual void DrawCorners(CPoint first, CPoint second) = 0;

private:
    void ShapeStep(CPoint first, CPoint second);

    CPoint m_lastFirst;
    CPoint m_lastSecond;
};
