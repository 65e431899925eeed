#pragma once

#include "model/geometry.h"

// The greatest multiple of step not above value (also for negative values).
int FloorToMultiple(int value, int step);

// Snaps the two corners of a box to the grid so that the box covers whole
// cells, at least one: each corner moves to its cell's first pixel, then the
// greater of each pair (the second corner's when equal) to its cell's last.
void SnapBox(CPoint& first, CPoint& second, CSize interval);

// Snaps a line's ends to cell corners, so that the line runs from corner to
// corner of the cells it crosses: an end moves to its cell's first or last
// pixel by the direction of the line, or within one row or column of cells
// by the half of the cell it lies in.
void SnapLine(CPoint& start, CPoint& end, CSize interval);
