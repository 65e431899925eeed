#include "model/floating_selection.h"

#include <cstring>

#include "model/stipplebox_image_selection.h"
#include "model/stipplebox_layer_ptr_array.h"

namespace {

// Calls rowOp(layer row, offset into the selection planes, width) for every
// row of the selection that lies on the layer.
template <class RowOp>
void ForEachRowOnCanvas(CStippleboxLayer& layer, RowOp rowOp)
{
    CStippleboxImageSelection& selection = layer.GetSelection();
    if (!selection.HasMask()) {
        return;
    }
    const CRect part = selection.GetCanvasPart({layer.GetWidth(), layer.GetHeight()});
    if (part.IsRectEmpty()) {
        return;
    }
    const CRect& rect = selection.GetRect();
    for (int y = part.top; y < part.bottom; ++y) {
        uint8_t* layerRow = layer.GetPixels() + size_t(y) * layer.GetWidth() + part.left;
        const size_t planeOffset = size_t(y - rect.top) * size_t(rect.Width()) + size_t(part.left - rect.left);
        rowOp(layerRow, planeOffset, part.Width());
    }
}

// Every byte is written, selected or not, so that the compiler can copy many
// at a time.
void CopyUnderMask(uint8_t* target, const uint8_t* source, const uint8_t* mask, int count)
{
    for (int x = 0; x < count; ++x) {
        const uint8_t flag = uint8_t(-int(mask[x] != 0));
        target[x] = uint8_t((source[x] & flag) | (target[x] & ~flag));
    }
}

}  // namespace

std::vector<CStippleboxLayer*> GetLayersAt(const CStippleboxLayerPtrArray& layers, std::span<const int> indices)
{
    std::vector<CStippleboxLayer*> result;
    result.reserve(indices.size());
    for (const int index : indices) {
        result.push_back(layers[index]);
    }
    return result;
}

std::vector<CStippleboxLayer*> GetLayersWithSelection(const CStippleboxLayerPtrArray& layers)
{
    std::vector<CStippleboxLayer*> result;
    for (int i = 0; i < layers.GetSize(); ++i) {
        if (layers[i]->GetSelection().HasMask()) {
            result.push_back(layers[i]);
        }
    }
    return result;
}

void LiftSelections(CLayerSet layers)
{
    for (CStippleboxLayer* layer : layers) {
        uint8_t* floating = layer->GetSelection().GetFloating().data();
        ForEachRowOnCanvas(*layer, [&](uint8_t* row, size_t offset, int count) {
            std::memcpy(floating + offset, row, size_t(count));
        });
    }
}

void GrabUnderneath(CLayerSet layers)
{
    for (CStippleboxLayer* layer : layers) {
        uint8_t* underneath = layer->GetSelection().GetUnderneath().data();
        ForEachRowOnCanvas(*layer, [&](uint8_t* row, size_t offset, int count) {
            std::memcpy(underneath + offset, row, size_t(count));
        });
    }
}

void RestoreUnderneath(CLayerSet layers)
{
    for (CStippleboxLayer* layer : layers) {
        const CStippleboxImageSelection& selection = layer->GetSelection();
        ForEachRowOnCanvas(*layer, [&](uint8_t* row, size_t offset, int count) {
            CopyUnderMask(row, selection.GetUnderneath().data() + offset, selection.GetMask().data() + offset, count);
        });
    }
}

void PaintSelections(CLayerSet layers, bool transparent, uint8_t transparentIndex)
{
    for (CStippleboxLayer* layer : layers) {
        const CStippleboxImageSelection& selection = layer->GetSelection();
        ForEachRowOnCanvas(*layer, [&](uint8_t* row, size_t offset, int count) {
            const uint8_t* floating = selection.GetFloating().data() + offset;
            const uint8_t* mask = selection.GetMask().data() + offset;
            if (!transparent) {
                CopyUnderMask(row, floating, mask, count);
                return;
            }
            for (int x = 0; x < count; ++x) {
                const uint8_t flag = uint8_t(-int(mask[x] != 0 && floating[x] != transparentIndex));
                row[x] = uint8_t((floating[x] & flag) | (row[x] & ~flag));
            }
        });
    }
}

void CarrySelections(CLayerSet layers, CSize offset, bool transparent, uint8_t transparentIndex)
{
    RestoreUnderneath(layers);
    for (CStippleboxLayer* layer : layers) {
        CStippleboxImageSelection& selection = layer->GetSelection();
        if (selection.HasMask()) {
            CRect rect = selection.GetRect();
            rect.OffsetRect(offset.cx, offset.cy);
            selection.SetRect(rect);
        }
    }
    GrabUnderneath(layers);
    PaintSelections(layers, transparent, transparentIndex);
}

void MoveSelections(CLayerSet layers, CSize offset, bool transparent, uint8_t transparentIndex)
{
    LiftSelections(layers);
    CarrySelections(layers, offset, transparent, transparentIndex);
}

CRect GetSelectionBounds(CLayerSet layers)
{
    CRect bounds;
    for (const CStippleboxLayer* layer : layers) {
        if (layer->GetSelection().HasMask()) {
            bounds.UnionRect(bounds, layer->GetSelection().GetRect());
        }
    }
    return bounds;
}
