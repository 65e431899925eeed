#pragma once

#include <cstdint>
#include <vector>

#include "model/geometry.h"
#include "tools/image_edit_tool_select.h"

// A rectangle dragged open from the press point, kept on the image and,
// with snap on, to whole grid cells.
class CImageEditToolSelectRect final : public CImageEditToolSelect {
protected:
    void BeginSelection(CPoint point) override;
    void ContinueSelection(CPoint point) override;
    void EndSelection() override;

private:
    void CornerStep(CPoint first, CPoint second);

    CPoint m_start;
    CPoint m_lastFirst;
    CPoint m_lastSecond;
};

// The region of one displayed colour around the pressed pixel; its edge
// shows while the pointer is down.
class CImageEditToolSelectSameColor final : public CImageEditToolSelect {
protected:
    void BeginSelection(CPoint point) override;
    void EndSelection() override;

private:
    std::vector<uint8_t> m_mask;
    CRect m_rect;
};

// Base of the tools whose stroke is a freehand line recorded by the
// selector; it never snaps.
class CImageEditToolSelectScribble : public CImageEditToolSelect {
protected:
    void BeginSelection(CPoint point) override;
    void ContinueSelection(CPoint point) override;

    CPoint m_start;
    CPoint m_last;
};

// The outline drawn, closed from its last point back to its first, with
// everything it encloses.
class CImageEditToolSelectFree final : public CImageEditToolSelectScribble {
protected:
    void EndSelection() override;
};

// Every pixel, connected or not, of each displayed colour that the scribble
// touched.
class CImageEditToolSelectColor final : public CImageEditToolSelectScribble {
protected:
    void EndSelection() override;
};
