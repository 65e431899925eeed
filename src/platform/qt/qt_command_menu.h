#pragma once

#include <QString>
#include <string>
#include <vector>

#include "platform/menu.h"

class ICommandTarget;
class QAction;
class QMenu;
class QObject;

// Menus of command items on Qt: each item sends its command ID to a command
// target, which also updates the items of a menu before it shows and names
// the keys shown beside them.

// Menu texts are shown as they are: an ampersand is not a mnemonic marker.
QString MenuText(const std::string& text);
// The command ID an action sends, or 0.
unsigned GetCommandID(const QAction& action);
// Adds the items (submenus too) to the menu; the connections live as long as
// the context.
void FillCommandMenu(QMenu& menu, const std::vector<SMenuItem>& items, ICommandTarget& target, QObject& context);
// Asks the target for the enabled, checked and text states of the actions.
void UpdateCommandActions(const QList<QAction*>& actions, ICommandTarget& target);
