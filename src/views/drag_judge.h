#pragma once

#include "model/geometry.h"

// Tells when a press has moved far enough to count as a drag: 6 screen
// pixels times the display scale. Reports the start of a drag once.
class CDragJudge {
public:
    void Start(CPoint point);
    bool Test(CPoint point);
    bool IsDragging() const { return m_dragging; }

private:
    CPoint m_start;
    bool m_dragging = false;
};
