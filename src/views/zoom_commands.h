#pragma once

#include <functional>

class CCommandMap;

// The zoom menu of a view that keeps a zoom of its own: the eight levels,
// each checked when current, and zoom in and out, enabled while there is a
// level to go to.
void AddZoomCommands(CCommandMap& commands, std::function<int()> zoom, std::function<void(int)> setZoom);
