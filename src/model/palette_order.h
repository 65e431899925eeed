#pragma once

#include <array>
#include <cstdint>

class CStippleboxPalette;

// A table over the 256 palette indices. As a renumbering it sends each old
// index to its new one; as an order it tells, position by position, which old
// entry stands there.
using CIndexMap = std::array<uint8_t, 256>;

CIndexMap MakeIdentityMap();
// Exchanges a and b; its own inverse.
CIndexMap MakeSwapMap(int a, int b);
// The order after entry `from` moved to position `to`: the entries between
// shift by one towards `from`.
CIndexMap MakeMoveOrder(int from, int to);
// The renumbering that goes with an order: where each old entry now stands.
CIndexMap InvertOrder(const CIndexMap& order);
// Rearranges the palette's entries (every per-entry field) into the order.
void ReorderEntries(CStippleboxPalette& palette, const CIndexMap& order);
