#pragma once

#include <vector>

#include "model/geometry.h"

class CImageEditWnd;
class CStippleboxLayer;

// The layers that selection operations on the canvas act on: the current
// layer's link group, whose selections move together.
std::vector<CStippleboxLayer*> GetLinkedLayers(CImageEditWnd& canvas);

// Shows the linked layers' pixels changed by selections moving, dropping or
// floating in the area: the backup follows the current layer, the picture is
// recomposed from every layer and repainted, grid lines too, as an outline
// that moved may have lain on them.
void ShowSelectionPixels(CImageEditWnd& canvas, const CRect& area);

// Shows changed selections: their pixels as above, and the outline, which
// follows the current layer's mask and marches while a selection remains.
void ShowSelectionChange(CImageEditWnd& canvas, const CRect& area);
