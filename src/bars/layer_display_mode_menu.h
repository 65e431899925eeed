#pragma once

#include "platform/menu.h"

// The submenu of 表示 that chooses which layers the canvas shows besides the
// current one, one item a display mode of the layer cache.
SMenuItem LayerDisplayModeMenu();
