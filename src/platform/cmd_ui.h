#pragma once

#include <string>

// The menu item (or tool bar button) whose state an update handler sets. The
// handler is called before the item is shown and sets only what it knows.
class ICmdUI {
public:
    virtual ~ICmdUI() = default;
    // The command ID of the item being updated.
    virtual unsigned GetID() const = 0;
    virtual void Enable(bool enabled) = 0;
    virtual void SetCheck(bool checked) = 0;
    virtual void SetText(const std::string& text) = 0;
};
