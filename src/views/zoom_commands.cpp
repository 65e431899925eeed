#include "views/zoom_commands.h"

#include <vector>

#include "app/command_map.h"
#include "bars/command_ids.h"
#include "commands/command_id_data_manager.h"
#include "platform/cmd_ui.h"
#include "views/zoom_manager.h"

void AddZoomCommands(CCommandMap& commands, std::function<int()> zoom, std::function<void(int)> setZoom)
{
    const CCommandIDDataManager table = CreateZoomTable();
    std::vector<int> levels;
    table.GetValues(levels);
    for (const int level : levels) {
        commands.Add(
            table.FindID(level), [setZoom, level](unsigned) { setZoom(level); },
            [zoom, level](ICmdUI& cmdUI) { cmdUI.SetCheck(zoom() == level); });
    }
    static const CZoomManager steps;
    commands.Add(
        kCmdZoomIn, [zoom, setZoom](unsigned) { setZoom(steps.ZoomIn(zoom())); },
        [zoom](ICmdUI& cmdUI) { cmdUI.Enable(steps.CanZoomIn(zoom())); });
    commands.Add(
        kCmdZoomOut, [zoom, setZoom](unsigned) { setZoom(steps.ZoomOut(zoom())); },
        [zoom](ICmdUI& cmdUI) { cmdUI.Enable(steps.CanZoomOut(zoom())); });
}
