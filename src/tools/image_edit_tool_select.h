#pragma once

#include <cstdint>
#include <vector>

#include "model/geometry.h"
#include "tools/image_edit_tool.h"

// Base of the selection tools. With no selection on the current layer a
// press starts a new one, each tool its own way; a press inside the
// selection's rectangle drags it (its pixels float and follow the pointer,
// by whole grid cells with snap on); a press outside drops it.
class CImageEditToolSelect : public CImageEditTool {
public:
    bool UsesSnap() const override { return true; }
    bool UsesSelectionOption() const override { return true; }

    void OnButtonDown(unsigned flags, int x, int y) final;
    void OnMouseMove(unsigned flags, int x, int y) final;
    void OnCaptureLost(CWnd* newOwner) final;

protected:
    // The capture mode of a stroke that makes a new selection.
    static constexpr int16_t kNewSelectionCapture = 1;

    // The press of a new selection; capturing with kNewSelectionCapture
    // makes the stroke go on.
    virtual void BeginSelection(CPoint point) = 0;
    virtual void ContinueSelection(CPoint) {}
    // The stroke's end, also when the capture is lost another way: the tool
    // makes what it has into the selection.
    virtual void EndSelection() = 0;

    // Makes the selector's outline, with what it encloses, the selection.
    void CommitOutline();
    // Selects the mask's pixels (a byte per pixel of the rectangle) through
    // the history; an empty rectangle selects nothing.
    void CommitSelection(const CRect& rect, std::vector<uint8_t> mask);

private:
    void BeginDrag(CPoint point);
    void Drag(CPoint point);
    void EndDrag();

    CPoint m_dragStart;  // the selection's top-left at the press
    CPoint m_pressPoint;
};
