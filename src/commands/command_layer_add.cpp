#include "commands/command_layer_add.h"

#include <algorithm>
#include <cstring>

#include "model/stipplebox_data.h"

CCommandLayerAdd::CCommandLayerAdd(int insertIndex, bool notify)
    : m_backgroundIndex(GetData()->GetBackgroundColor()), m_insertIndex(insertIndex), m_notify(notify)
{
}

bool CCommandLayerAdd::Execute()
{
    CStippleboxLayerPtrArray& layers = *GetLayers();
    m_previousCurrent = layers.GetCurrentIndex();
    m_insertIndex = std::clamp(m_insertIndex, 0, layers.GetSize());
    const CSize size = GetCanvasSize();
    CStippleboxLayer& layer = *layers.NewLayer(m_insertIndex, size.cx, size.cy);
    layer.Fill(m_backgroundIndex);
    if (m_delay) {
        layer.GetDelay().SetDelay(*m_delay, 0, false);
    }
    m_delay = layer.GetDelay().GetTicks();
    layers.SetCurrentIndex(m_insertIndex);
    if (m_notify) {
        NotifyLayersChanged(true);
    }
    return true;
}

void CCommandLayerAdd::Undo()
{
    CStippleboxLayerPtrArray& layers = *GetLayers();
    layers.DeleteAt(m_insertIndex);
    layers.SetCurrentIndex(m_previousCurrent);
    if (m_notify) {
        NotifyLayersChanged(true);
    }
}

bool CCommandLayerDuplicate::Execute()
{
    CStippleboxLayerPtrArray& layers = *GetLayers();
    const CStippleboxLayer& source = *layers.GetCurrent();
    m_add = std::make_unique<CCommandLayerAdd>(layers.GetCurrentIndex(), false);
    if (!m_add->Execute()) {
        m_add.reset();
        return false;
    }
    CStippleboxLayer& copy = *layers.GetCurrent();
    std::memcpy(copy.GetPixels(), source.GetPixels(), source.GetPixelCount());
    copy.SetName(source.GetLayerName() + u"のコピー");
    copy.GetDelay().SetDelay(source.GetDelay().GetTicks(), 0, false);
    NotifyLayersChanged(true);
    return true;
}

void CCommandLayerDuplicate::Undo()
{
    m_add->Undo();
    m_add.reset();
    NotifyLayersChanged(true);
}
