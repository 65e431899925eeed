#include <gtest/gtest.h>

#include <memory>

#include "bars/command_ids.h"
#include "commands/command_layer_add.h"
#include "commands/command_layer_bond.h"
#include "commands/command_layer_cur_change.h"
#include "commands/command_layer_delete.h"
#include "commands/command_layer_link.h"
#include "commands/command_layer_order.h"
#include "commands/command_layer_property.h"
#include "model/stipplebox_data.h"
#include "model/stipplebox_image_selection.h"
#include "support/editor_fixture.h"

// That undoing everything gives the stored document back is the undo
// property test's job; these tests check what each command does.
namespace {

class LayerCommands : public CEditorTest {
protected:
    CStippleboxLayerPtrArray& Layers() { return *Document().GetLayers(); }
    int Current() { return Layers().GetCurrentIndex(); }
};

}  // namespace

TEST_F(LayerCommands, MergingAllDrawsUpperLayersOverTheBottomOneWhichKeepsItsProperties)
{
    Open(MakeRowsDocument({{"1000", "0000"}, {"2200", "0000"}, {"3330", "3330"}}));
    Layer(2).SetName(u"bottom");
    Layer(2).GetDelay().SetDelay(900, 0, false);
    Layers().SetCurrentIndex(1);
    ASSERT_TRUE(Execute(std::make_unique<CCommandLayerBond>(CCommandLayerBond::kMergeAll)));
    ASSERT_EQ(Layers().GetSize(), 1);
    EXPECT_EQ(GetRows(Layer(0)), (PixelRows{"1230", "3330"}));
    EXPECT_EQ(Layer(0).GetLayerName(), u"bottom");
    EXPECT_EQ(Layer(0).GetDelay().GetTicks(), 900);
    EXPECT_EQ(UndoText(), "元に戻す:全レイヤを合成");
}

TEST_F(LayerCommands, MergingWithTheLayerBelowNeedsOneAndLeavesTheLowerOneCurrent)
{
    Open(MakeRowsDocument({{"10"}, {"02"}, {"33"}}));
    Layers().SetCurrentIndex(2);
    EXPECT_FALSE(Execute(std::make_unique<CCommandLayerBond>(CCommandLayerBond::kMergeBelow)));
    Layers().SetCurrentIndex(0);
    ASSERT_TRUE(Execute(std::make_unique<CCommandLayerBond>(CCommandLayerBond::kMergeBelow)));
    EXPECT_EQ(Layers().GetSize(), 2);
    EXPECT_EQ(Current(), 0);
    EXPECT_EQ(GetRows(Layer(0)), (PixelRows{"12"}));
    EXPECT_EQ(UndoText(), "元に戻す:下のレイヤと合成");
}

TEST_F(LayerCommands, DeletingTheLastLayerMakesTheOneAboveCurrent)
{
    Open(MakeRowsDocument({{"1"}, {"2"}, {"3"}, {"4"}}));
    Layers().SetCurrentIndex(3);
    ASSERT_TRUE(Execute(std::make_unique<CCommandLayerDelete>(3)));
    EXPECT_EQ(Layers().GetSize(), 3);
    EXPECT_EQ(Current(), 2);

    Open(MakeRowsDocument({{"1"}}));
    EXPECT_FALSE(Execute(std::make_unique<CCommandLayerDelete>(0))) << "the last layer stays";
}

TEST_F(LayerCommands, AddAndDuplicateInsertAboveAndMakeTheNewLayerCurrent)
{
    Open(MakeRowsDocument({{"12"}, {"34"}}));
    Document().SetBackgroundColor(5);
    Layers().SetCurrentIndex(1);
    Layer(1).SetName(u"空");
    Layer(1).GetDelay().SetDelay(1234, 0, false);
    Command(kCmdLayerDuplicate);
    ASSERT_EQ(Layers().GetSize(), 3);
    EXPECT_EQ(Current(), 1);
    EXPECT_EQ(Layer(1).GetLayerName(), u"空のコピー");
    EXPECT_EQ(GetRows(Layer(1)), (PixelRows{"34"}));
    EXPECT_EQ(Layer(1).GetDelay().GetTicks(), 1234);
    EXPECT_NE(Layer(1).GetLinkID(), Layer(2).GetLinkID());
    EXPECT_EQ(UndoText(), "元に戻す:レイヤ複製");

    Command(kCmdLayerAdd);
    EXPECT_EQ(Current(), 0);
    EXPECT_EQ(GetRows(Layer(0)), (PixelRows{"55"}));
}

TEST_F(LayerCommands, LinkingBringsAWholeGroupInAndLinkingAMemberTakesItOut)
{
    Open(MakeRowsDocument({{"0000"}, {"0000"}, {"0000"}, {"0000"}}));
    Layer(2).SetLinkID(Layer(3).GetLinkID());
    Layer(3).GetSelection().Create({0, 0, 1, 1});
    Layer(0).GetSelection().Create({1, 0, 3, 1}, {1, 0});
    dialog.OnLayersChanged(true);
    ASSERT_TRUE(Execute(std::make_unique<CCommandLayerLink>(3)));
    for (const int i : {2, 3}) {
        EXPECT_EQ(Layer(i).GetLinkID(), Layer(0).GetLinkID()) << i;
        EXPECT_EQ(Layer(i).GetSelection().GetRect(), (CRect{1, 0, 3, 1})) << i;
        EXPECT_EQ(Layer(i).GetSelection().GetMask(), (std::vector<uint8_t>{1, 0})) << i;
    }
    EXPECT_EQ(dialog.GetImageEditWnd().GetLayerCache().GetLinkedList(), (std::vector<int>{0, 2, 3}));

    ASSERT_TRUE(Execute(std::make_unique<CCommandLayerLink>(2)));
    const int32_t left = Layer(2).GetLinkID();
    for (const int i : {0, 1, 3}) {
        EXPECT_NE(Layer(i).GetLinkID(), left) << "a link ID no layer had";
    }
    EXPECT_EQ(UndoText(), "元に戻す:レイヤリンク");
    EXPECT_FALSE(Execute(std::make_unique<CCommandLayerLink>(0))) << "the current layer itself";
}

TEST_F(LayerCommands, MovingALayerDownTwoPlaces)
{
    Open(MakeRowsDocument({{"0"}, {"1"}, {"2"}, {"3"}}));
    Layers().SetCurrentIndex(1);
    ASSERT_TRUE(Execute(std::make_unique<CCommandLayerOrder>(3)));
    EXPECT_EQ(Current(), 2);
    EXPECT_EQ(GetRows(Layer(2)), (PixelRows{"1"}));
    EXPECT_EQ(GetRows(Layer(1)), (PixelRows{"2"}));
    EXPECT_FALSE(Execute(std::make_unique<CCommandLayerOrder>(3))) << "its own place";
}

TEST_F(LayerCommands, CurrentLayerNameAndDelayChanges)
{
    Open(MakeRowsDocument({{"0"}, {"1"}}));
    const int32_t remembered = CDelay::GetRememberedDelay();
    EXPECT_FALSE(Execute(std::make_unique<CCommandLayerCurChange>(0)));
    Command(kCmdLayerDown);
    EXPECT_EQ(Current(), 1);
    EXPECT_EQ(UndoText(), "元に戻す:カレントレイヤ変更");

    ASSERT_TRUE(Execute(std::make_unique<CCommandLayerProperty>(u"名前", 4321)));
    EXPECT_EQ(Layer(1).GetLayerName(), u"名前");
    EXPECT_EQ(Layer(1).GetDelay().GetTicks(), 4321);
    EXPECT_EQ(CDelay::GetRememberedDelay(), 4321) << "a new layer takes the delay last given";
    ASSERT_TRUE(Execute(std::make_unique<CCommandLayerDelayAll>(600)));
    EXPECT_EQ(Layer(0).GetDelay().GetTicks(), 600);
    EXPECT_EQ(Layer(1).GetDelay().GetTicks(), 600);
    EXPECT_EQ(UndoText(), "元に戻す:ディレイ一括変更");
    CDelay::SetRememberedDelay(remembered);
}
