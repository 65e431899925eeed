#include "commands/command_layer_bond.h"

#include <numeric>
#include <vector>

#include "commands/compress_data.h"
#include "commands/layer_compress_data.h"
#include "model/layer_merge.h"
#include "model/stipplebox_data.h"

CCommandLayerBond::CUndoData::CUndoData(int layerIndex, std::unique_ptr<CLayerCompressData> layer)
    : m_layerIndex(layerIndex), m_layer(std::move(layer))
{
}

CCommandLayerBond::CUndoData::~CUndoData() = default;

CCommandLayerBond::CCommandLayerBond(EMode mode) : m_mode(mode), m_backgroundIndex(GetData()->GetBackgroundColor())
{
}

CCommandLayerBond::~CCommandLayerBond() = default;

std::string CCommandLayerBond::GetTitle() const
{
    return m_mode == kMergeBelow ? "下のレイヤと合成" : "全レイヤを合成";
}

bool CCommandLayerBond::Execute()
{
    CStippleboxLayerPtrArray& layers = *GetLayers();
    const int current = layers.GetCurrentIndex();
    std::vector<int> indices;
    if (m_mode == kMergeBelow) {
        indices.push_back(current);
        if (current + 1 < layers.GetSize()) {
            indices.push_back(current + 1);
        }
    } else {
        indices.resize(size_t(layers.GetSize()));
        std::iota(indices.begin(), indices.end(), 0);
    }
    if (indices.size() < 2) {
        return false;
    }
    m_previousCurrent = current;
    CStippleboxLayer& survivor = *layers[indices.back()];
    m_survivorPixels = std::make_unique<CCompressData>();
    m_survivorPixels->Compress({survivor.GetPixels(), survivor.GetPixelCount()});
    // From the back to the front, so the layers in front end on top; each
    // removal leaves the lower indices still to come where they were.
    for (auto index = indices.rbegin() + 1; index != indices.rend(); ++index) {
        DrawLayerOver(*layers[*index], m_backgroundIndex, survivor);
        auto held = std::make_unique<CLayerCompressData>();
        held->Store(layers.RemoveAt(*index));
        m_undoList.emplace_front(*index, std::move(held));
    }
    layers.SetCurrentIndex(indices.back() - int(m_undoList.size()));
    NotifyLayersChanged(true);
    return true;
}

void CCommandLayerBond::Undo()
{
    CStippleboxLayerPtrArray& layers = *GetLayers();
    CStippleboxLayer& survivor = *layers.GetCurrent();
    for (CUndoData& data : m_undoList) {
        layers.InsertAt(data.m_layerIndex, data.m_layer->Restore());
    }
    m_undoList.clear();
    m_survivorPixels->Decompress({survivor.GetPixels(), survivor.GetPixelCount()});
    m_survivorPixels.reset();
    layers.SetCurrentIndex(m_previousCurrent);
    NotifyLayersChanged(true);
}

int CCommandLayerBond::GetDataSize() const
{
    int size = 48 + (m_survivorPixels ? m_survivorPixels->GetDataSize(true) : 0);
    for (const CUndoData& data : m_undoList) {
        size += 8 + data.m_layer->GetDataSize(true);
    }
    return size;
}
