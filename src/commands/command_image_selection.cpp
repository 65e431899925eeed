#include "commands/command_image_selection.h"

#include <algorithm>

#include "commands/compress_data.h"
#include "commands/image_selection_compress_data.h"
#include "model/floating_selection.h"
#include "model/stipplebox_data.h"
#include "model/stipplebox_image_selection.h"
#include "views/image_edit_wnd.h"
#include "views/linked_selection.h"

namespace {

CRect GetSelectionRect(const CStippleboxLayer& layer)
{
    return layer.GetSelection().HasMask() ? layer.GetSelection().GetRect() : CRect{};
}

const std::vector<int>& GetLinkedIndices()
{
    return CStippleboxAccessor::GetImageEditWnd()->GetLayerCache().GetLinkedList();
}

}  // namespace

CCommandImageSelection::CUndoData::CUndoData(std::unique_ptr<CImageSelectionCompressData> snapshot, int layerIndex)
    : snapshot(std::move(snapshot)), layerIndex(layerIndex)
{
}

CCommandImageSelection::CUndoData::CUndoData(CUndoData&&) noexcept = default;
CCommandImageSelection::CUndoData& CCommandImageSelection::CUndoData::operator=(CUndoData&&) noexcept = default;
CCommandImageSelection::CUndoData::~CUndoData() = default;

std::vector<CCommandImageSelection::CUndoData> CCommandImageSelection::StoreLinkedSelections(bool clearInside)
{
    std::vector<CUndoData> entries;
    for (const int index : GetLinkedIndices()) {
        auto snapshot = std::make_unique<CImageSelectionCompressData>();
        snapshot->Store(*GetLayers()->GetAt(index), clearInside, true);
        entries.emplace_back(std::move(snapshot), index);
    }
    return entries;
}

CPoint CCommandImageSelection::MoveLinkedSelectionsTo(CPoint topLeft, bool lift, bool transparent, uint8_t background)
{
    const std::vector<CStippleboxLayer*> layers = GetLinkedLayers();
    const CPoint previous = GetCurrentImageSelection()->GetRect().TopLeft();
    const CRect before = GetSelectionBounds(layers);
    const CSize offset{topLeft.x - previous.x, topLeft.y - previous.y};
    if (lift) {
        MoveSelections(layers, offset, transparent, background);
    } else {
        CarrySelections(layers, offset, transparent, background);
    }
    CRect area;
    area.UnionRect(before, GetSelectionBounds(layers));
    ShowSelectionChange(*GetImageEditWnd(), area);
    return previous;
}

CCommandImageSelectionNew::CCommandImageSelectionNew(const CRect& rect, std::vector<uint8_t> mask)
    : m_mask(std::move(mask)), m_rect(rect)
{
}

CCommandImageSelectionNew::~CCommandImageSelectionNew() = default;

bool CCommandImageSelectionNew::Execute()
{
    if (m_rect.IsRectEmpty()) {
        return false;
    }
    CImageEditWnd& canvas = *GetImageEditWnd();
    const std::vector<CStippleboxLayer*> layers = GetLinkedLayers();
    CRect area;
    area.UnionRect(GetSelectionBounds(layers), m_rect);
    m_undoList = StoreLinkedSelections(true);
    const uint8_t background = GetData()->GetBackgroundColor();
    for (CStippleboxLayer* layer : layers) {
        CStippleboxImageSelection& selection = layer->GetSelection();
        selection.Create(m_rect, m_mask);
        std::ranges::fill(selection.GetFloating(), background);
        std::ranges::fill(selection.GetUnderneath(), background);
    }
    std::vector<uint8_t>().swap(m_mask);
    ShowSelectionChange(canvas, area);
    return true;
}

void CCommandImageSelectionNew::Undo()
{
    CRect area;
    for (CUndoData& entry : m_undoList) {
        CStippleboxLayer& layer = *GetLayers()->GetAt(entry.layerIndex);
        area.UnionRect(area, GetSelectionRect(layer));
        auto current = std::make_unique<CImageSelectionCompressData>();
        current->Store(layer, true, true);
        entry.snapshot->Restore(layer);
        entry.snapshot = std::move(current);
        area.UnionRect(area, GetSelectionRect(layer));
    }
    ShowSelectionChange(*GetImageEditWnd(), area);
}

void CCommandImageSelectionNew::Redo()
{
    Undo();
}

int CCommandImageSelectionNew::GetDataSize() const
{
    int size = 56;
    for (const CUndoData& entry : m_undoList) {
        size += 8 + entry.snapshot->GetDataSize(true);
    }
    return size;
}

std::string CCommandImageSelectionNew::GetTitle() const
{
    return "範囲選択";
}

CCommandImageSelectionCancel::CCommandImageSelectionCancel(bool transparent)
    : m_transparent(transparent), m_background(GetData()->GetBackgroundColor())
{
}

CCommandImageSelectionCancel::~CCommandImageSelectionCancel() = default;

bool CCommandImageSelectionCancel::Execute()
{
    if (!GetCurrentImageSelection()->HasMask()) {
        return false;
    }
    CImageEditWnd& canvas = *GetImageEditWnd();
    const std::vector<CStippleboxLayer*> layers = GetLinkedLayers();
    const CRect area = GetSelectionBounds(layers);
    // A transparent drop paints again, so the snapshot keeps the whole
    // floating content that undo paints back.
    if (m_transparent) {
        LiftSelections(layers);
    }
    m_undoList = StoreLinkedSelections(!m_transparent);
    if (m_transparent) {
        RestoreUnderneath(layers);
        PaintSelections(layers, true, m_background);
    }
    for (CStippleboxLayer* layer : layers) {
        layer->GetSelection().Clear();
    }
    ShowSelectionChange(canvas, area);
    return true;
}

void CCommandImageSelectionCancel::Undo()
{
    std::vector<CStippleboxLayer*> layers;
    for (CUndoData& entry : m_undoList) {
        layers.push_back(GetLayers()->GetAt(entry.layerIndex));
        entry.snapshot->Restore(*layers.back());
    }
    if (m_transparent) {
        PaintSelections(layers, false, m_background);
    }
    m_undoList.clear();
    ShowSelectionChange(*GetImageEditWnd(), GetSelectionBounds(layers));
}

void CCommandImageSelectionCancel::Redo()
{
    Execute();
}

int CCommandImageSelectionCancel::GetDataSize() const
{
    int size = 40;
    for (const CUndoData& entry : m_undoList) {
        size += 40 + entry.snapshot->GetDataSize(false);
    }
    return size;
}

std::string CCommandImageSelectionCancel::GetTitle() const
{
    return "範囲解除";
}

bool CCommandImageSelectionMove::Execute()
{
    const CStippleboxImageSelection& selection = *GetCurrentImageSelection();
    if (!selection.HasMask() || selection.GetRect().TopLeft() == m_topLeft) {
        return false;
    }
    m_topLeft = MoveLinkedSelectionsTo(m_topLeft, true, false, 0);
    return true;
}

void CCommandImageSelectionMove::Undo()
{
    Execute();
}

void CCommandImageSelectionMove::Redo()
{
    Execute();
}

int CCommandImageSelectionMove::GetDataSize() const
{
    return 16;
}

std::string CCommandImageSelectionMove::GetTitle() const
{
    return "範囲移動";
}

struct CCommandImageSelectionMoveDrag::SCarriedContent {
    std::unique_ptr<CCompressData> floating;
    int layerIndex;
};

CCommandImageSelectionMoveDrag::CCommandImageSelectionMoveDrag(CPoint start, bool transparent)
    : m_topLeft(start), m_transparent(transparent), m_background(GetData()->GetBackgroundColor())
{
}

CCommandImageSelectionMoveDrag::~CCommandImageSelectionMoveDrag() = default;

bool CCommandImageSelectionMoveDrag::Execute()
{
    const CStippleboxImageSelection& selection = *GetCurrentImageSelection();
    if (!selection.HasMask() || selection.GetRect().TopLeft() == m_topLeft) {
        return false;
    }
    if (m_transparent) {
        KeepCarriedContent();
    }
    return true;
}

void CCommandImageSelectionMoveDrag::Undo()
{
    if (!m_transparent) {
        m_topLeft = MoveLinkedSelectionsTo(m_topLeft, true, false, 0);
        return;
    }
    PutBackCarriedContent();
    m_topLeft = MoveLinkedSelectionsTo(m_topLeft, false, false, 0);
}

void CCommandImageSelectionMoveDrag::Redo()
{
    if (!m_transparent) {
        m_topLeft = MoveLinkedSelectionsTo(m_topLeft, true, false, 0);
        return;
    }
    // The layers show the content whole where the drag began, as when the
    // drag lifted it.
    LiftSelections(GetLinkedLayers());
    KeepCarriedContent();
    m_topLeft = MoveLinkedSelectionsTo(m_topLeft, false, true, m_background);
}

void CCommandImageSelectionMoveDrag::KeepCarriedContent()
{
    m_carried.clear();
    for (const int index : GetLinkedIndices()) {
        const CStippleboxImageSelection& selection = GetLayers()->GetAt(index)->GetSelection();
        if (selection.HasMask()) {
            auto floating = std::make_unique<CCompressData>();
            floating->Compress(selection.GetFloating());
            m_carried.push_back({std::move(floating), index});
        }
    }
}

void CCommandImageSelectionMoveDrag::PutBackCarriedContent()
{
    for (SCarriedContent& content : m_carried) {
        content.floating->Decompress(GetLayers()->GetAt(content.layerIndex)->GetSelection().GetFloating());
    }
    m_carried.clear();
}

int CCommandImageSelectionMoveDrag::GetDataSize() const
{
    int size = 16;
    for (const SCarriedContent& content : m_carried) {
        size += 4 + content.floating->GetDataSize(true);
    }
    return size;
}

std::string CCommandImageSelectionMoveDrag::GetTitle() const
{
    return "範囲移動";
}
