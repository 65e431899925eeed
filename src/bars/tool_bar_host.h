#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

class CBarObjectWnd;

// One tool bar as it is to be shown.
struct SShownToolBar {
    int index;
    std::string name;
    std::vector<unsigned> buttons;  // command IDs; kBarSeparator between groups
};

// What the main dialog needs from the window that shows its tool bars and
// its status bar.
class IBarsHost {
public:
    // Makes the window of a tool bar object (the colour display, the mini
    // palette) for one place on a bar.
    using WindowFactory = std::function<std::unique_ptr<CBarObjectWnd>(unsigned id)>;

    virtual ~IBarsHost() = default;
    // Replaces the shown tool bars by these and lays the window out again.
    virtual void ShowToolBars(const std::vector<SShownToolBar>& bars, const WindowFactory& makeWindow) = 0;
    // Asks the update handler of every button for its state again; a state
    // button shows the icon of the command its entry in pictures names.
    virtual void RefreshToolBars(const std::map<unsigned, unsigned>& pictures) = 0;
    // Repaints every window of the tool bar object.
    virtual void RedrawToolBarObject(unsigned id) = 0;
    // Shows the current tool, zoom, layer and colours again.
    virtual void RefreshStatusBar() = 0;
};
