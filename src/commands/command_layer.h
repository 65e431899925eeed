#pragma once

#include "commands/command.h"

// Base of the commands that change the document's list of layers, the
// current layer or the layers' properties.
class CCommandLayer : public CCommand {
protected:
    // The layer set or the current layer changed: the picture, the canvas's
    // backup and outline follow, and with layerList the layer list too.
    static void NotifyLayersChanged(bool layerList);
};
