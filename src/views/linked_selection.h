#pragma once

#include <vector>

#include "model/geometry.h"

class CImageEditWnd;
class CStippleboxLayer;

// The layers that selection operations on the canvas act on: the current
// layer's link group, whose selections move together.
std::vector<CStippleboxLayer*> GetLinkedLayers(CImageEditWnd& canvas);

// Shows changed selections: the outline follows the current layer's mask,
// the area is recomposed from every layer and repainted (grid lines too, as
// the old outline may lie on them), and the outline marches while a
// selection remains.
void ShowSelectionChange(CImageEditWnd& canvas, const CRect& area);
