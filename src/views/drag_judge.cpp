#include "views/drag_judge.h"

#include <cmath>

#include "platform/window.h"

void CDragJudge::Start(CPoint point)
{
    m_start = point;
    m_dragging = false;
}

bool CDragJudge::Test(CPoint point)
{
    if (m_dragging) {
        return false;
    }
    const double dx = point.x - m_start.x;
    const double dy = point.y - m_start.y;
    const auto distance = static_cast<float>(std::sqrt(dx * dx + dy * dy));
    if (distance < static_cast<float>(6 * GetDisplayScale())) {
        return false;
    }
    m_dragging = true;
    return true;
}
