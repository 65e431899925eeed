#pragma once

#include <QIcon>
#include <QPixmap>

class CIcon;
class CIconManager;

// The icon with its 1x and 2x pictures, for any screen's pixel ratio; an
// empty icon for none.
QIcon ToQIcon(const CIcon* icon);
QIcon ToQIcon(const CIconManager& icons, unsigned code);
// One of the icon's pictures at its own size in screen pixels.
QPixmap ToQPixmap(const CIcon& icon, int scale);
