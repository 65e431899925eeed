#include "commands/command_layer.h"

#include "commands/main_dialog.h"

void CCommandLayer::NotifyLayersChanged(bool layerList)
{
    GetMainDialog()->OnLayersChanged(layerList);
}
