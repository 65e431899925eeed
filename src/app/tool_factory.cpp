#include "app/tool_factory.h"

#include <map>

#include "bars/command_ids.h"
#include "tools/drawing_tools.h"
#include "tools/selection_tools.h"

namespace {

using ToolMaker = std::unique_ptr<CMouseTool> (*)();

template <class Tool>
std::unique_ptr<CMouseTool> Make()
{
    return std::make_unique<Tool>();
}

// One line per tool command.
const std::map<unsigned, ToolMaker>& ToolMakers()
{
    static const std::map<unsigned, ToolMaker> makers = {
        {kCmdToolScroll, Make<CImageToolPalm>},
        {kCmdToolFreehand, Make<CImageEditToolDrawFree>},
        {kCmdToolLine, Make<CImageEditToolDrawLine>},
        {kCmdToolRectangle, Make<CImageEditToolDrawRect>},
        {kCmdToolFilledRectangle, Make<CImageEditToolDrawRectFill>},
        {kCmdToolEllipse, Make<CImageEditToolDrawEllipse>},
        {kCmdToolFilledEllipse, Make<CImageEditToolDrawEllipseFill>},
        {kCmdToolFill, Make<CImageEditToolDrawFill>},
        {kCmdToolSelectRectangle, Make<CImageEditToolSelectRect>},
        {kCmdToolSelectSameColor, Make<CImageEditToolSelectSameColor>},
        {kCmdToolSelectColor, Make<CImageEditToolSelectColor>},
        {kCmdToolSelectFree, Make<CImageEditToolSelectFree>},
    };
    return makers;
}

}  // namespace

std::unique_ptr<CMouseTool> CreateTool(unsigned id)
{
    const auto found = ToolMakers().find(id);
    std::unique_ptr<CMouseTool> tool = found != ToolMakers().end() ? found->second() : Make<CImageToolPalm>();
    tool->SetCommandID(int(id));
    return tool;
}

std::vector<unsigned> GetToolCommandIDs()
{
    std::vector<unsigned> ids;
    for (const auto& [id, maker] : ToolMakers()) {
        ids.push_back(id);
    }
    return ids;
}
