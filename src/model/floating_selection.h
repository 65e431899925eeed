#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "model/geometry.h"

class CStippleboxLayer;
class CStippleboxLayerPtrArray;

// The operations that let a layer's selection float over it. Each acts on
// the selections of the given layers, on the part of each selection rectangle
// that lies on the canvas; layers without a selection are passed over. While
// a selection exists the layer shows its floating plane where the mask is set
// and its underneath plane elsewhere in the rectangle.
using CLayerSet = std::span<CStippleboxLayer* const>;

// The layers at the given indices (the linked set of the layer cache).
std::vector<CStippleboxLayer*> GetLayersAt(const CStippleboxLayerPtrArray& layers, std::span<const int> indices);
// Every layer that has a selection.
std::vector<CStippleboxLayer*> GetLayersWithSelection(const CStippleboxLayerPtrArray& layers);

// Copies the layer pixels under the selection into the floating plane.
void LiftSelections(CLayerSet layers);
// Copies the layer pixels under the selection into the underneath plane.
void GrabUnderneath(CLayerSet layers);
// Puts the underneath plane back into the layer where the mask is set.
void RestoreUnderneath(CLayerSet layers);
// Copies the floating plane into the layer where the mask is set; with
// transparent, floating pixels equal to transparentIndex let the layer show.
void PaintSelections(CLayerSet layers, bool transparent, uint8_t transparentIndex);
// Moves the selections by an offset, keeping their size: the vacated place
// gets its underneath back, what the new place covers becomes the underneath,
// and the floating content, as it is held, is painted there. A drag carries
// the content it lifted once at its start.
void CarrySelections(CLayerSet layers, CSize offset, bool transparent, uint8_t transparentIndex);
// Lifts the floating content from the layers (it may have been drawn on),
// then carries it by the offset. Linked selections move by the same offset,
// so they keep their places relative to one another.
void MoveSelections(CLayerSet layers, CSize offset, bool transparent, uint8_t transparentIndex);
// The bounding box of the layers' selection rectangles; empty when none has one.
CRect GetSelectionBounds(CLayerSet layers);
