#include "commands/command_layer_delete.h"

#include <algorithm>

#include "commands/layer_compress_data.h"
#include "model/stipplebox_data.h"

CCommandLayerDelete::CCommandLayerDelete(int layerIndex) : m_layerIndex(layerIndex) {}

CCommandLayerDelete::~CCommandLayerDelete() = default;

bool CCommandLayerDelete::Execute()
{
    CStippleboxLayerPtrArray& layers = *GetLayers();
    if (layers.GetSize() < 2) {
        return false;
    }
    m_previousCurrent = layers.GetCurrentIndex();
    m_layer = std::make_unique<CLayerCompressData>();
    m_layer->Store(layers.RemoveAt(m_layerIndex));
    layers.SetCurrentIndex(std::clamp(m_previousCurrent, 0, layers.GetSize() - 1));
    NotifyLayersChanged(true);
    return true;
}

void CCommandLayerDelete::Undo()
{
    CStippleboxLayerPtrArray& layers = *GetLayers();
    layers.InsertAt(m_layerIndex, m_layer->Restore());
    m_layer.reset();
    layers.SetCurrentIndex(m_previousCurrent);
    NotifyLayersChanged(true);
}

int CCommandLayerDelete::GetDataSize() const
{
    return 20 + (m_layer ? m_layer->GetDataSize(true) : 0);
}
