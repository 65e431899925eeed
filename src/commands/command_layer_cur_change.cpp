#include "commands/command_layer_cur_change.h"

#include "model/stipplebox_data.h"

bool CCommandLayerCurChange::Execute()
{
    m_oldIndex = GetLayers()->GetCurrentIndex();
    if (m_newIndex == m_oldIndex) {
        return false;
    }
    MakeCurrent(m_newIndex);
    return true;
}

void CCommandLayerCurChange::MakeCurrent(int index)
{
    GetLayers()->SetCurrentIndex(index);
    NotifyLayersChanged(false);
}
