#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "model/color_selection_move.h"
#include "model/stipplebox_color_selection.h"
#include "model/stipplebox_data.h"

namespace {

// The current palette has `count` entries, entry i coloured blue = i, so the
// colours tell which old entry sits where.
class ColorSelectionMoveTest : public ::testing::Test {
protected:
    void UsePalette(int count, std::initializer_list<int> selected)
    {
        document.Create(4, 4);
        auto palette = std::make_unique<CStippleboxPalette>();
        palette->Create(count, true);
        for (int i = 0; i < count; ++i) {
            palette->SetColor(i, {uint8_t(i), 0, 0});
        }
        document.GetPalettes()->InsertAt(0, std::move(palette));
        std::vector<uint8_t> mask(256, 0);
        for (const int entry : selected) {
            mask[entry] = 1;
        }
        ASSERT_TRUE(Selection().SetMask(std::move(mask)));
        move.Begin();
    }
    CStippleboxColorSelection& Selection() { return *document.GetCurrentPalette()->GetColorSelection(); }
    // Position by position: the old entry now there, and whether it is marked.
    std::vector<int> Order(int count)
    {
        std::vector<int> order;
        for (int i = 0; i < count; ++i) {
            order.push_back(document.GetCurrentPalette()->GetColor(i).blue * (Selection().GetMask()[i] ? -1 : 1));
        }
        return order;
    }
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

// Marked entries read negative in Order().
TEST_F(ColorSelectionMoveTest, SwapAndInsertOfOneEntryInASixEntryPalette)
{
    UsePalette(6, {1});
    EXPECT_EQ(Inverse(move.SwapMap(3), 6), (std::vector<int>{0, 4, 2, 3, 1, 5}));
    EXPECT_EQ(Inverse(move.InsertMap(3), 6), (std::vector<int>{0, 2, 3, 4, 1, 5}));
    move.PreviewSwap(3);
    EXPECT_EQ(Order(6), (std::vector<int>{0, 4, 2, 3, -1, 5}));
    move.PreviewInsert(3);
    EXPECT_EQ(Order(6), (std::vector<int>{0, 2, 3, 4, -1, 5}));
    move.PreviewInsert(-2);  // round the end
    EXPECT_EQ(Order(6), (std::vector<int>{0, 2, 3, 4, 5, -1}));
    move.PreviewSwap(0);
    EXPECT_EQ(Order(6), (std::vector<int>{0, -1, 2, 3, 4, 5}));
}

TEST_F(ColorSelectionMoveTest, MapsArePermutationsThatMoveTheSelectionByTheOffset)
{
    UsePalette(256, {});
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
    UsePalette(8, {1, 2});
    move.Lift();
    move.PreviewMove(3);
    EXPECT_EQ(Order(8), (std::vector<int>{0, 1, 2, 3, -1, -2, 6, 7}));
    EXPECT_EQ(Selection().GetPalette()->GetColor(0).blue, 4) << "what the selection covers is kept";
    move.PreviewMove(6);  // 7 and round to 0
    EXPECT_EQ(Order(8), (std::vector<int>{-2, 1, 2, 3, 4, 5, 6, -1}));
    move.PreviewMove(0);
    EXPECT_EQ(Order(8), (std::vector<int>{0, -1, -2, 3, 4, 5, 6, 7}));
}
