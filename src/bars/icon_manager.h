#pragma once

#include <map>
#include <optional>

#include "bars/icon.h"

struct SEmbeddedIcon;

// The program's icons, found by code: the command ID of a button or menu
// item, the character code of a layer-list mark, or kApplicationIcon. Each is
// read from the program's embedded PNGs the first time it is asked for.
class CIconManager {
public:
    // The marks of the layer list.
    enum EMark : unsigned {
        kMarkVisible = 64,           // shown in the current display mode
        kMarkVisibleElsewhere = 65,  // visible, but not shown in this mode
        kMarkLinked = 67,            // in the current layer's link group
    };
    static constexpr unsigned kApplicationIcon = 1;

    CIconManager();

    // Null when no icon has the code.
    const CIcon* Find(unsigned code) const;
    // Draws the icon of the code centred in the rectangle of an on-screen
    // surface; nothing when there is none.
    void DrawIcon(CDibSection& target, unsigned code, const CRect& rect, int scale) const;

private:
    std::map<unsigned, const SEmbeddedIcon*> m_embedded;
    // Icons read so far; an empty entry for one whose PNGs did not read.
    mutable std::map<unsigned, std::optional<CIcon>> m_loaded;
};
