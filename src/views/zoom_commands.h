#pragma once

#include <optional>

class ICmdUI;

// The zoom menu of a view that keeps a zoom of its own: the eight levels,
// zoom in and zoom out.
// The zoom the command asks for, or nothing when it is no zoom command.
std::optional<int> GetCommandZoom(unsigned id, int currentZoom);
// Checks the current level and enables zoom in and out; false when the item
// is no zoom command.
bool UpdateZoomCommand(ICmdUI& cmdUI, int zoom);
