#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "commands/command_id_data_manager.h"

namespace {

std::vector<int> SortedValues(const CCommandIDDataManager& table)
{
    std::vector<int> values{-1, -2};  // GetValues empties the array first
    table.GetValues(values);
    std::sort(values.begin(), values.end());
    return values;
}

}  // namespace

TEST(CommandIDDataManager, LooksUpValuesAndFindsIDsBack)
{
    CCommandIDDataManager table;
    table.SetAt(100, 7);
    table.SetAt(200, 9);
    table.SetAt(100, 8);  // a later value for the same ID replaces the earlier
    EXPECT_EQ(table.Lookup(100, -1), 8);
    EXPECT_EQ(table.Lookup(300, -1), -1);
    EXPECT_EQ(table.FindID(9), 200);
    EXPECT_EQ(table.FindID(7), 0);
    EXPECT_EQ(SortedValues(table), (std::vector<int>{8, 9}));
    EXPECT_EQ(SortedValues(CCommandIDDataManager()), std::vector<int>{});
}

TEST(CommandIDDataManager, TheProgramsTablesHoldTheirMenuValues)
{
    const CCommandIDDataManager zoom = CreateZoomTable();
    EXPECT_EQ(SortedValues(zoom), (std::vector<int>{1, 2, 4, 8, 12, 16, 24, 32}));
    EXPECT_EQ(zoom.Lookup(32824, 0), 1);
    EXPECT_EQ(zoom.Lookup(33069, 0), 12);
    EXPECT_EQ(zoom.Lookup(32961, 0), 32);
    EXPECT_EQ(zoom.FindID(16), 32900);
    EXPECT_EQ(zoom.FindID(24), 32960);
    EXPECT_EQ(zoom.FindID(3), 0);

    const CCommandIDDataManager penSizes = CreatePenSizeTable();
    EXPECT_EQ(SortedValues(penSizes), (std::vector<int>{1, 2, 4, 6, 10}));
    EXPECT_EQ(penSizes.Lookup(32853, 0), 6);
    EXPECT_EQ(penSizes.FindID(10), 32854);

    const CCommandIDDataManager playModes = CreatePlayModeTable();
    EXPECT_EQ(playModes.Lookup(32987, -1), 0);
    EXPECT_EQ(playModes.Lookup(32986, -1), 1);
    EXPECT_EQ(SortedValues(playModes), (std::vector<int>{0, 1}));
}
