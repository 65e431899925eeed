#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "model/color_selection_move.h"
#include "model/stipplebox_color_selection.h"
#include "model/stipplebox_data.h"

namespace {

// A document whose current palette has `count` entries, entry i coloured
// (i, 2i, 3i) so that entries are told apart by colour.
class ColorSelectionMoveTest : public ::testing::Test {
protected:
    void UsePalette(int count)
    {
        document.Create(4, 4);
        auto palette = std::make_unique<CStippleboxPalette>();
        palette->Create(count, true);
        for (int i = 0; i < count; ++i) {
            palette->SetColor(i, {uint8_t(i), uint8_t(2 * i), uint8_t(3 * i)});
        }
        document.GetPalettes()->InsertAt(0, std::move(palette));
    }
    void Select(std::initializer_list<int> entries)
    {
        std::vector<uint8_t> mask(256, 0);
        for (const int entry : entries) {
            mask[entry] = 1;
        }
        ASSERT_TRUE(Selection().SetMask(std::move(mask)));
    }
    CStippleboxPalette& Palette() { return *document.GetCurrentPalette(); }
    CStippleboxColorSelection& Selection() { return *Palette().GetColorSelection(); }
    // Position by position, the old entry whose colour is now there.
    std::vector<int> Order(int count)
    {
        std::vector<int> order;
        for (int i = 0; i < count; ++i) {
            order.push_back(Palette().GetColor(i).blue);
        }
        return order;
    }
    std::vector<int> Marked(int count)
    {
        std::vector<int> marked;
        for (int i = 0; i < count; ++i) {
            if (Selection().GetMask()[i] != 0) {
                marked.push_back(i);
            }
        }
        return marked;
    }
    // The old entry at each new position: the inverse of an index map.
    static std::vector<int> Inverse(const CColorSelectionMove::CIndexMap& map, int count)
    {
        std::vector<int> order(count);
        for (int i = 0; i < count; ++i) {
            order[map[i]] = i;
        }
        return order;
    }

    CStippleboxData document;
    CScopedAccessorContext context{{&document}};
    CColorSelectionMove move;
};

}  // namespace

TEST_F(ColorSelectionMoveTest, SwapAndInsertOfOneEntryInASixEntryPalette)
{
    UsePalette(6);
    Select({1});
    move.Begin();
    EXPECT_EQ(Inverse(move.SwapMap(3), 6), (std::vector<int>{0, 4, 2, 3, 1, 5}));
    EXPECT_EQ(Inverse(move.InsertMap(3), 6), (std::vector<int>{0, 2, 3, 4, 1, 5}));

    move.PreviewSwap(3);
    EXPECT_EQ(Order(6), (std::vector<int>{0, 4, 2, 3, 1, 5}));
    EXPECT_EQ(Marked(6), (std::vector<int>{4}));
    move.PreviewInsert(3);
    EXPECT_EQ(Order(6), (std::vector<int>{0, 2, 3, 4, 1, 5}));
    EXPECT_EQ(Marked(6), (std::vector<int>{4}));
    move.PreviewInsert(-2);  // wraps round to the end
    EXPECT_EQ(Order(6), (std::vector<int>{0, 2, 3, 4, 5, 1}));
    move.PreviewSwap(0);
    EXPECT_EQ(Order(6), (std::vector<int>{0, 1, 2, 3, 4, 5}));
    EXPECT_EQ(Marked(6), (std::vector<int>{1}));
}

TEST_F(ColorSelectionMoveTest, SwapOfARunGivesTheDisplacedEntriesTheVacatedPlacesInOrder)
{
    UsePalette(8);
    Select({1, 2, 3});
    move.Begin();
    // The run moves to 3..5; 4 and 5 go to the places 1 and 2 it left.
    EXPECT_EQ(Inverse(move.SwapMap(2), 8), (std::vector<int>{0, 4, 5, 1, 2, 3, 6, 7}));
    EXPECT_EQ(Inverse(move.InsertMap(2), 8), (std::vector<int>{0, 4, 5, 1, 2, 3, 6, 7}));
    EXPECT_EQ(Inverse(move.InsertMap(-1), 8), (std::vector<int>{1, 2, 3, 0, 4, 5, 6, 7}));
}

TEST_F(ColorSelectionMoveTest, MapsAreAlwaysPermutationsThatMoveTheSelectionByTheOffset)
{
    UsePalette(256);
    std::mt19937 random(3);
    for (int round = 0; round < 100; ++round) {
        std::vector<uint8_t> mask(256);
        for (auto& flag : mask) {
            flag = random() % 5 == 0 ? 1 : 0;
        }
        mask[random() % 256] = 1;
        ASSERT_TRUE(Selection().SetMask(mask));
        move.Begin();
        const int offset = int(random() % 600) - 300;
        for (const auto& map : {move.SwapMap(offset), move.InsertMap(offset)}) {
            std::vector<int> sorted(map.begin(), map.end());
            std::sort(sorted.begin(), sorted.end());
            for (int i = 0; i < 256; ++i) {
                ASSERT_EQ(sorted[i], i) << "not a permutation, round " << round;
                if (mask[i] != 0) {
                    ASSERT_EQ(map[i], ((i + offset) % 256 + 256) % 256);
                }
            }
        }
    }
}

TEST_F(ColorSelectionMoveTest, MovePreviewsFloatTheColoursAndGiveCoveredEntriesBack)
{
    UsePalette(8);
    Select({1, 2});
    move.Begin();
    move.Lift();
    EXPECT_EQ(Selection().GetPalette()->GetColor(1).blue, 2);

    move.PreviewMove(3);
    EXPECT_EQ(Order(8), (std::vector<int>{0, 1, 2, 3, 1, 2, 6, 7})) << "a move leaves copies behind";
    EXPECT_EQ(Marked(8), (std::vector<int>{4, 5}));
    EXPECT_EQ(Selection().GetPalette()->GetColor(0).blue, 4) << "what the selection covers is kept";

    move.PreviewMove(6);  // wraps: 7 and 0
    EXPECT_EQ(Order(8), (std::vector<int>{2, 1, 2, 3, 4, 5, 6, 1}));
    EXPECT_EQ(Marked(8), (std::vector<int>{0, 7}));

    move.PreviewMove(0);
    EXPECT_EQ(Order(8), (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7}));
    EXPECT_EQ(Marked(8), (std::vector<int>{1, 2}));
}
