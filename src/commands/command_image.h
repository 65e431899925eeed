#pragma once

#include <vector>

#include "commands/command.h"
#include "model/geometry.h"

class CStippleboxLayer;

// Base of the commands that change pixels. They act on the current layer and
// the layers linked to it, and on their selections when there are any.
class CCommandImage : public CCommand {
protected:
    // The current layer's link group, in index order.
    static std::vector<CStippleboxLayer*> GetLinkedLayers();
    // Shows changed pixels of the linked layers: the canvas's backup follows
    // the current layer and the picture is recomposed and repainted.
    static void ShowChangedPixels(const CRect& rect);
    // The current layer's selection changed its shape: the outline is traced
    // again and marches.
    static void ShowChangedSelection();
};
