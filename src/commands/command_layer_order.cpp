#include "commands/command_layer_order.h"

#include "model/stipplebox_data.h"

bool CCommandLayerOrder::Execute()
{
    CStippleboxLayerPtrArray& layers = *GetLayers();
    const int current = layers.GetCurrentIndex();
    int position = m_insertPosition;
    if (position == current || position == current + 1) {
        return false;
    }
    std::unique_ptr<CStippleboxLayer> layer = layers.RemoveAt(current);
    if (current < position) {
        --position;
    }
    layers.InsertAt(position, std::move(layer));
    layers.SetCurrentIndex(position);
    m_insertPosition = current < m_insertPosition ? current : current + 1;
    NotifyLayersChanged(true);
    return true;
}
