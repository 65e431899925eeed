#include "tools/grid_snap.h"

#include <algorithm>

namespace {

// A coordinate split into its cell and the remainder within it, dividing
// toward zero as the line snap does.
struct SCellCoordinate {
    int cell;
    int remainder;
    int interval;

    SCellCoordinate(int value, int step) : cell(value / step), remainder(value - value / step * step), interval(step) {}
    int First() const { return cell * interval; }
    int Last() const { return cell * interval + interval - 1; }
    int ByHalf() const { return interval / 2 < remainder ? Last() : First(); }
};

}  // namespace

int FloorToMultiple(int value, int step)
{
    const int quotient = value / step - (value % step < 0 ? 1 : 0);
    return quotient * step;
}

void SnapBox(CPoint& first, CPoint& second, CSize interval)
{
    first = {FloorToMultiple(first.x, interval.cx), FloorToMultiple(first.y, interval.cy)};
    second = {FloorToMultiple(second.x, interval.cx), FloorToMultiple(second.y, interval.cy)};
    (first.x > second.x ? first.x : second.x) += interval.cx - 1;
    (first.y > second.y ? first.y : second.y) += interval.cy - 1;
}

void SnapLine(CPoint& start, CPoint& end, CSize interval)
{
    const SCellCoordinate sx(start.x, interval.cx);
    const SCellCoordinate ex(end.x, interval.cx);
    const SCellCoordinate sy(start.y, interval.cy);
    const SCellCoordinate ey(end.y, interval.cy);
    if (ex.cell > sx.cell) {
        start.x = sx.First(), end.x = ex.Last();
    } else if (ex.cell < sx.cell) {
        start.x = sx.Last(), end.x = ex.First();
    } else {
        start.x = sx.ByHalf(), end.x = ex.ByHalf();
    }
    if (ey.cell < sy.cell) {
        start.y = sy.Last(), end.y = ey.First();
    } else if (ey.cell > sy.cell) {
        start.y = sy.First(), end.y = ey.Last();
    } else if (ex.cell < sx.cell) {
        start.y = sy.First(), end.y = ey.ByHalf();
    } else {
        start.y = sy.ByHalf(), end.y = ey.ByHalf();
    }
}
