#include "commands/command_image_effect.h"

#include <algorithm>

#include "commands/compress_data.h"
#include "commands/main_dialog.h"
#include "model/floating_selection.h"
#include "model/stipplebox_data.h"
#include "model/stipplebox_image_selection.h"
#include "views/image_edit_wnd.h"

namespace {

// Makes the transformed block the selection, anchored at the top-left: the
// selection shrinks to the pixels its mask still covers, and that box keeps
// its top-left where the selection had it.
void PlaceTransformed(CStippleboxImageSelection& selection, STransformedBlock block, CPoint topLeft)
{
    const CRect rect{topLeft.x, topLeft.y, topLeft.x + block.width, topLeft.y + block.height};
    std::vector<uint8_t> underneath(block.pixels.size(), 0);
    selection.Assign(rect, std::move(block.pixels), std::move(underneath), std::move(block.mask));
    selection.TrimToMask();
    CRect trimmed = selection.GetRect();
    trimmed.OffsetRect(topLeft.x - trimmed.left, topLeft.y - trimmed.top);
    selection.SetRect(trimmed);
}

// A layer of the trimmed selection's size: the background, with the
// selected pixels of the floating plane over it.
void ReplaceLayerBySelection(CStippleboxLayer& layer, uint8_t background)
{
    CStippleboxImageSelection& selection = layer.GetSelection();
    layer.Resize(selection.GetWidth(), selection.GetHeight());
    layer.Fill(background);
    uint8_t* pixels = layer.GetPixels();
    const std::vector<uint8_t>& floating = selection.GetFloating();
    const std::vector<uint8_t>& mask = selection.GetMask();
    for (size_t i = 0; i < mask.size(); ++i) {
        if (mask[i] != 0) {
            pixels[i] = floating[i];
        }
    }
    selection.Clear();
}

std::unique_ptr<CCompressData> Compressed(std::span<const uint8_t> bytes)
{
    auto data = std::make_unique<CCompressData>();
    data->Compress(bytes);
    return data;
}

}  // namespace

CCommandImageEffect::CCommandImageEffect() : m_backgroundIndex(GetData()->GetBackgroundColor()) {}

CCommandImageEffect::~CCommandImageEffect() = default;

STransformedBlock CCommandImageEffect::TransformResize(const uint8_t*, int, int, const uint8_t*)
{
    return {};
}

void CCommandImageEffect::TransformInPlace(uint8_t*, int, int, uint8_t*) {}

bool CCommandImageEffect::Execute()
{
    const std::vector<int>& linked = GetImageEditWnd()->GetLayerCache().GetLinkedList();
    if (GetCurrentImageSelection()->HasMask()) {
        // Only layers that carry a selection take part; in a link group that
        // is every layer.
        std::vector<int> selected;
        std::copy_if(linked.begin(), linked.end(), std::back_inserter(selected),
                     [](int index) { return (*GetLayers())[index]->GetSelection().HasMask(); });
        ExecuteOnSelections(selected);
        return true;
    }
    // A new canvas size must fit every layer.
    if (ChangesSize() && int(linked.size()) != GetLayers()->GetSize()) {
        return false;
    }
    ExecuteOnLayers(linked);
    return true;
}

void CCommandImageEffect::Keep(int layerIndex, std::span<const uint8_t> pixels, const std::vector<uint8_t>* mask,
                               const CRect& rect)
{
    CUndoData& data = m_undoList.emplace_back();
    data.m_layerIndex = layerIndex;
    data.m_pixels = Compressed(pixels);
    if (mask != nullptr) {
        data.m_mask = Compressed(*mask);
    }
    data.m_rect = rect;
}

std::vector<CStippleboxLayer*> CCommandImageEffect::GetKeptLayers() const
{
    std::vector<CStippleboxLayer*> layers;
    for (const CUndoData& data : m_undoList) {
        layers.push_back((*GetLayers())[data.m_layerIndex]);
    }
    return layers;
}

void CCommandImageEffect::ExecuteOnSelections(const std::vector<int>& layerIndices)
{
    const std::vector<CStippleboxLayer*> layers = GetLayersAt(*GetLayers(), layerIndices);
    CRect repaint = GetCurrentImageSelection()->GetRect();
    LiftSelections(layers);
    if (ChangesSize()) {
        RestoreUnderneath(layers);
        for (size_t i = 0; i < layers.size(); ++i) {
            CStippleboxImageSelection& selection = layers[i]->GetSelection();
            const CRect rect = selection.GetRect();
            Keep(layerIndices[i], selection.GetFloating(), &selection.GetMask(), rect);
            PlaceTransformed(selection,
                             TransformResize(selection.GetFloating().data(), rect.Width(), rect.Height(),
                                             selection.GetMask().data()),
                             rect.TopLeft());
        }
        GrabUnderneath(layers);
        ShowChangedSelection();
        repaint.UnionRect(repaint, GetCurrentImageSelection()->GetRect());
    } else {
        if (ChangesMask()) {
            RestoreUnderneath(layers);
        }
        for (size_t i = 0; i < layers.size(); ++i) {
            CStippleboxImageSelection& selection = layers[i]->GetSelection();
            if (!SelfInverse()) {
                Keep(layerIndices[i], selection.GetFloating(), ChangesMask() ? &selection.GetMask() : nullptr, {});
            }
            TransformInPlace(selection.GetFloating().data(), selection.GetWidth(), selection.GetHeight(),
                             selection.GetMask().data());
        }
        if (ChangesMask()) {
            GrabUnderneath(layers);
            ShowChangedSelection();
        }
    }
    PaintSelections(layers, false, 0);
    ShowChangedPixels(repaint);
}

void CCommandImageEffect::ExecuteOnLayers(const std::vector<int>& layerIndices)
{
    const CSize size = GetCanvasSize();
    const CRect canvas{0, 0, size.cx, size.cy};
    // A resizing procedure trims its output by the mask it moves along; an
    // in-place one on whole layers has no use for it.
    std::vector<uint8_t> mask;
    if (UsesMask() && ChangesSize()) {
        mask.assign(size_t(size.cx) * size_t(size.cy), 1);
    }
    uint8_t* maskData = mask.empty() ? nullptr : mask.data();
    CStippleboxLayerPtrArray& layers = *GetLayers();
    for (const int index : layerIndices) {
        CStippleboxLayer& layer = *layers[index];
        const std::span<const uint8_t> pixels(layer.GetPixels(), layer.GetPixelCount());
        if (ChangesSize()) {
            Keep(index, pixels, nullptr, canvas);
            PlaceTransformed(layer.GetSelection(), TransformResize(layer.GetPixels(), size.cx, size.cy, maskData),
                             {0, 0});
            ReplaceLayerBySelection(layer, m_backgroundIndex);
            continue;
        }
        if (!SelfInverse()) {
            Keep(index, pixels, nullptr, canvas);
        }
        TransformInPlace(layer.GetPixels(), size.cx, size.cy, maskData);
    }
    if (ChangesSize()) {
        const CStippleboxLayer& first = *layers[layerIndices.front()];
        GetData()->SetSize(first.GetWidth(), first.GetHeight(), false);
        GetMainDialog()->OnCanvasResized();
        return;
    }
    ShowChangedPixels(canvas);
}

void CCommandImageEffect::Undo()
{
    if (SelfInverse()) {
        Execute();
        return;
    }
    if (GetCurrentImageSelection()->HasMask()) {
        UndoOnSelections();
    } else {
        UndoOnLayers();
    }
    m_undoList.clear();
}

void CCommandImageEffect::UndoOnSelections()
{
    const std::vector<CStippleboxLayer*> layers = GetKeptLayers();
    CRect repaint = GetCurrentImageSelection()->GetRect();
    if (ChangesSize() || ChangesMask()) {
        RestoreUnderneath(layers);
    }
    for (size_t i = 0; i < layers.size(); ++i) {
        CUndoData& data = m_undoList[i];
        CStippleboxImageSelection& selection = layers[i]->GetSelection();
        if (ChangesSize()) {
            std::vector<uint8_t> pixels = data.m_pixels->Decompress();
            std::vector<uint8_t> underneath(pixels.size(), 0);
            selection.Assign(data.m_rect, std::move(pixels), std::move(underneath), data.m_mask->Decompress());
            continue;
        }
        data.m_pixels->Decompress(selection.GetFloating());
        if (data.m_mask) {
            data.m_mask->Decompress(selection.GetMask());
        }
    }
    if (ChangesSize() || ChangesMask()) {
        GrabUnderneath(layers);
        ShowChangedSelection();
        repaint.UnionRect(repaint, GetCurrentImageSelection()->GetRect());
    }
    PaintSelections(layers, false, 0);
    ShowChangedPixels(repaint);
}

void CCommandImageEffect::UndoOnLayers()
{
    const std::vector<CStippleboxLayer*> layers = GetKeptLayers();
    for (size_t i = 0; i < layers.size(); ++i) {
        CUndoData& data = m_undoList[i];
        if (ChangesSize()) {
            layers[i]->Resize(data.m_rect.Width(), data.m_rect.Height());
        }
        data.m_pixels->Decompress({layers[i]->GetPixels(), layers[i]->GetPixelCount()});
    }
    if (ChangesSize()) {
        GetData()->SetSize(layers.front()->GetWidth(), layers.front()->GetHeight(), false);
        GetMainDialog()->OnCanvasResized();
        return;
    }
    const CSize size = GetCanvasSize();
    ShowChangedPixels({0, 0, size.cx, size.cy});
}

int CCommandImageEffect::GetDataSize() const
{
    int size = 0;
    for (const CUndoData& data : m_undoList) {
        size += data.m_pixels->GetDataSize(true) + (data.m_mask ? data.m_mask->GetDataSize(true) : 0);
    }
    return size;
}
