#include "commands/command_layer_property.h"

#include "commands/main_dialog.h"
#include "model/stipplebox_data.h"

// Delays are set with the remember flag: the next new layer takes the delay
// last given.

bool CCommandLayerProperty::Execute()
{
    CStippleboxLayer& layer = *GetCurrentLayer();
    std::u16string name = layer.GetLayerName();
    layer.SetName(std::move(m_name));
    m_name = std::move(name);
    const int32_t delay = layer.GetDelay().GetTicks();
    layer.GetDelay().SetDelay(m_delay, 0, true);
    m_delay = delay;
    GetMainDialog()->OnLayerRowsChanged();
    return true;
}

bool CCommandLayerDelayAll::Execute()
{
    CStippleboxLayerPtrArray& layers = *GetLayers();
    m_previousDelays.resize(size_t(layers.GetSize()));
    for (int i = 0; i < layers.GetSize(); ++i) {
        m_previousDelays[size_t(i)] = layers[i]->GetDelay().GetTicks();
        layers[i]->GetDelay().SetDelay(m_delay, 0, true);
    }
    GetMainDialog()->OnLayerRowsChanged();
    return true;
}

void CCommandLayerDelayAll::Undo()
{
    CStippleboxLayerPtrArray& layers = *GetLayers();
    for (int i = 0; i < layers.GetSize(); ++i) {
        layers[i]->GetDelay().SetDelay(m_previousDelays[size_t(i)], 0, true);
    }
    std::vector<int32_t>().swap(m_previousDelays);
    GetMainDialog()->OnLayerRowsChanged();
}
