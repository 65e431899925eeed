#include "commands/command_layer_cur_change.h"

#include "commands/main_dialog.h"
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
    // The rows of the old and the new current layer.
    GetMainDialog()->OnLayerRowsChanged();
}
