#pragma once

#include <memory>
#include <vector>

class CMouseTool;

// Makes the canvas tool of a tool command and marks it with the command's
// ID; an ID without a tool of its own makes the hand tool.
std::unique_ptr<CMouseTool> CreateTool(unsigned id);

// The tool commands that make a tool, the hand tool's first.
std::vector<unsigned> GetToolCommandIDs();
