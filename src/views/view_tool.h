#pragma once

#include <memory>

#include "bars/command_ids.h"
#include "views/image_tool.h"
#include "views/mouse_wnd.h"

// Gives a view of a tool window the tool of the command: the hand tool for
// the scroll command, else the view's own tool; the tool keeps the ID.
template <class OwnTool>
void SetViewTool(CMouseWnd& view, unsigned id)
{
    std::unique_ptr<CMouseTool> tool;
    if (id == kCmdToolScroll) {
        tool = std::make_unique<CImageToolPalm>();
    } else {
        tool = std::make_unique<OwnTool>();
    }
    tool->SetCommandID(int(id));
    view.SetTool(std::move(tool));
}
