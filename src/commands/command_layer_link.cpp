#include "commands/command_layer_link.h"

#include <algorithm>

#include "commands/image_selection_compress_data.h"
#include "model/stipplebox_data.h"
#include "model/stipplebox_image_selection.h"

namespace {

// A fresh selection of the given one's shape, not yet lifted: both planes
// hold the background colour.
void CopySelectionShape(const CStippleboxImageSelection& shape, CStippleboxImageSelection& selection,
                        uint8_t background)
{
    selection.Clear();
    if (!shape.HasMask()) {
        return;
    }
    selection.Create(shape.GetRect(), shape.GetMask());
    std::fill(selection.GetFloating().begin(), selection.GetFloating().end(), background);
    std::fill(selection.GetUnderneath().begin(), selection.GetUnderneath().end(), background);
}

}  // namespace

CCommandLayerLink::CUndoData::CUndoData(int layerIndex, int32_t linkId,
                                        std::unique_ptr<CImageSelectionCompressData> selection)
    : m_layerIndex(layerIndex), m_linkId(linkId), m_selection(std::move(selection))
{
}

CCommandLayerLink::CUndoData::~CUndoData() = default;

CCommandLayerLink::CCommandLayerLink(int targetIndex) : m_targetIndex(targetIndex) {}

CCommandLayerLink::~CCommandLayerLink() = default;

bool CCommandLayerLink::Execute()
{
    CStippleboxLayerPtrArray& layers = *GetLayers();
    if (m_targetIndex == layers.GetCurrentIndex()) {
        return false;
    }
    const CStippleboxLayer& current = *layers.GetCurrent();
    const int32_t currentId = current.GetLinkID();
    const int32_t targetId = layers[m_targetIndex]->GetLinkID();
    if (targetId == currentId) {
        m_undoList.emplace_back(m_targetIndex, targetId, nullptr);
        layers[m_targetIndex]->SetLinkID(layers.GetUnusedLinkID());
    } else {
        for (int i = 0; i < layers.GetSize(); ++i) {
            CStippleboxLayer& layer = *layers[i];
            if (layer.GetLinkID() != targetId) {
                continue;
            }
            auto selection = std::make_unique<CImageSelectionCompressData>();
            selection->Store(layer, true, true);
            m_undoList.emplace_back(i, targetId, std::move(selection));
            layer.SetLinkID(currentId);
            CopySelectionShape(current.GetSelection(), layer.GetSelection(), GetData()->GetBackgroundColor());
        }
    }
    NotifyLayersChanged(true);
    return true;
}

void CCommandLayerLink::Undo()
{
    CStippleboxLayerPtrArray& layers = *GetLayers();
    for (CUndoData& data : m_undoList) {
        CStippleboxLayer& layer = *layers[data.m_layerIndex];
        layer.SetLinkID(data.m_linkId);
        if (data.m_selection) {
            data.m_selection->Restore(layer);
        }
    }
    m_undoList.clear();
    NotifyLayersChanged(true);
}

int CCommandLayerLink::GetDataSize() const
{
    int size = 40;
    for (const CUndoData& data : m_undoList) {
        size += 12 + (data.m_selection ? data.m_selection->GetDataSize(true) : 0);
    }
    return size;
}
