#include "model/palette_order.h"

#include <numeric>
#include <utility>

#include "model/stipplebox_palette.h"

CIndexMap MakeIdentityMap()
{
    CIndexMap map;
    std::iota(map.begin(), map.end(), 0);
    return map;
}

CIndexMap MakeSwapMap(int a, int b)
{
    CIndexMap map = MakeIdentityMap();
    std::swap(map[a], map[b]);
    return map;
}

CIndexMap MakeMoveOrder(int from, int to)
{
    CIndexMap order = MakeIdentityMap();
    if (to < from) {
        for (int i = from - 1; i >= to; --i) {
            order[i + 1] = uint8_t(i);
        }
    } else {
        for (int i = from + 1; i <= to; ++i) {
            order[i - 1] = uint8_t(i);
        }
    }
    order[to] = uint8_t(from);
    return order;
}

CIndexMap InvertOrder(const CIndexMap& order)
{
    CIndexMap inverse;
    for (int p = 0; p < int(order.size()); ++p) {
        inverse[order[p]] = uint8_t(p);
    }
    return inverse;
}

void ReorderEntries(CStippleboxPalette& palette, const CIndexMap& order)
{
    CStippleboxPalette original;
    original.CreateLike(palette, -1, false);
    original.CopyAll(palette);
    for (int p = 0; p < palette.GetCount(); ++p) {
        if (order[p] != p) {
            palette.CopyEntry(p, original, order[p]);
        }
    }
}
