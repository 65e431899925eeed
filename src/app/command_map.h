#pragma once

#include <functional>
#include <map>

class ICmdUI;

// Routes command IDs to their handlers and update handlers. A routed item is
// enabled unless its update handler says otherwise; an item without a route
// (a feature the program does not offer) is disabled.
class CCommandMap {
public:
    using Handler = std::function<void(unsigned id)>;
    using UpdateHandler = std::function<void(ICmdUI& cmdUI)>;

    void Add(unsigned id, Handler handler, UpdateHandler update = {});
    void AddRange(unsigned first, unsigned last, const Handler& handler, const UpdateHandler& update = {});

    bool Contains(unsigned id) const { return m_routes.count(id) != 0; }
    // False when the ID has no route.
    bool Execute(unsigned id) const;
    void Update(ICmdUI& cmdUI) const;

private:
    struct SRoute {
        Handler handler;
        UpdateHandler update;
    };
    std::map<unsigned, SRoute> m_routes;
};
