#pragma once

#include <string>
#include <vector>

#include "platform/menu.h"

// The palette window's menu: its tools and drag options, the colour spaces,
// the colour commands, the palettes (one item a palette, by name), pin and
// close.
SMenuItem BuildPaletteWndMenu(const std::vector<std::string>& paletteNames);
// The four tools of the palette grid, as the tool button's menu offers them.
std::vector<SMenuItem> PaletteToolItems();
// The label of a palette grid tool command.
std::string PaletteToolLabel(unsigned id);
