#include "views/zoom_commands.h"

#include "bars/command_ids.h"
#include "commands/command_id_data_manager.h"
#include "platform/cmd_ui.h"
#include "views/zoom_manager.h"

namespace {

const CCommandIDDataManager& ZoomTable()
{
    static const CCommandIDDataManager table = CreateZoomTable();
    return table;
}

const CZoomManager& ZoomSteps()
{
    static const CZoomManager steps;
    return steps;
}

}  // namespace

std::optional<int> GetCommandZoom(unsigned id, int currentZoom)
{
    if (id == kCmdZoomIn) {
        return ZoomSteps().ZoomIn(currentZoom);
    }
    if (id == kCmdZoomOut) {
        return ZoomSteps().ZoomOut(currentZoom);
    }
    if (const int zoom = ZoomTable().Lookup(uint16_t(id), 0); zoom != 0) {
        return zoom;
    }
    return std::nullopt;
}

bool UpdateZoomCommand(ICmdUI& cmdUI, int zoom)
{
    const unsigned id = cmdUI.GetID();
    if (id == kCmdZoomIn) {
        cmdUI.Enable(ZoomSteps().CanZoomIn(zoom));
    } else if (id == kCmdZoomOut) {
        cmdUI.Enable(ZoomSteps().CanZoomOut(zoom));
    } else if (const int level = ZoomTable().Lookup(uint16_t(id), 0); level != 0) {
        cmdUI.SetCheck(level == zoom);
    } else {
        return false;
    }
    return true;
}
