#pragma once

#include <span>
#include <string>

class CMenuManager;

// A button that tool bars can carry. Most send their command ID when pressed;
// a state button also shows the current choice of its kind, and the colour
// display and the mini palette are small windows of their own.
struct SCustomBarButton {
    enum EKind { kCommand, kStateButton, kColorDisplay, kMiniPalette };

    unsigned id;
    EKind kind;
};

// Every button a bar may carry, in the order the customise dialog offers them.
std::span<const SCustomBarButton> GetCustomBarButtons();
// Null when no bar may carry the ID.
const SCustomBarButton* FindCustomBarButton(unsigned id);
// The button's name as the menus show it.
std::string GetCustomBarButtonLabel(const CMenuManager& menus, unsigned id);
