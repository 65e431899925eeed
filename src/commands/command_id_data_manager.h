#pragma once

#include <cstdint>
#include <map>
#include <vector>

// Maps menu command IDs to integer values (zoom factors, pen sizes, player
// modes), so one handler serves a whole group of menu items.
class CCommandIDDataManager {
public:
    // Used while a table is filled at start-up.
    void SetAt(uint16_t id, int value) { m_values[id] = value; }
    // The stored value, or defaultValue when the ID is absent.
    int Lookup(uint16_t id, int defaultValue) const;
    // Every stored value, in the table's order (callers sort as they need).
    void GetValues(std::vector<int>& values) const;
    // The first ID whose value equals the argument, or 0.
    uint16_t FindID(int value) const;

private:
    std::map<uint16_t, int> m_values;
};

// The filled tables: zoom factors and pen sizes of the main window's menus,
// and the player window's play modes (0 first to last, 1 there and back).
CCommandIDDataManager CreateZoomTable();
CCommandIDDataManager CreatePenSizeTable();
CCommandIDDataManager CreatePlayModeTable();
