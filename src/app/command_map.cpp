#include "app/command_map.h"

#include "platform/cmd_ui.h"

void CCommandMap::Add(unsigned id, Handler handler, UpdateHandler update)
{
    m_routes[id] = {std::move(handler), std::move(update)};
}

void CCommandMap::AddRange(unsigned first, unsigned last, const Handler& handler, const UpdateHandler& update)
{
    for (unsigned id = first; id <= last; ++id) {
        Add(id, handler, update);
    }
}

bool CCommandMap::Execute(unsigned id) const
{
    const auto found = m_routes.find(id);
    if (found == m_routes.end()) {
        return false;
    }
    found->second.handler(id);
    return true;
}

void CCommandMap::Update(ICmdUI& cmdUI) const
{
    const auto found = m_routes.find(cmdUI.GetID());
    if (found == m_routes.end()) {
        cmdUI.Enable(false);
        return;
    }
    cmdUI.Enable(true);
    if (found->second.update) {
        found->second.update(cmdUI);
    }
}
