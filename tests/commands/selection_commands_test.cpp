#include <gtest/gtest.h>

#include "commands/command_image_selection.h"
#include "model/stipplebox_data.h"
#include "model/stipplebox_image_selection.h"
#include "support/editor_fixture.h"
#include "support/test_documents.h"

namespace {

constexpr uint8_t kBackground = 7;

// The real main dialog with a document of three random layers; the current
// one (2) is linked with layer 1. The background index is 7.
class SelectionCommands : public CEditorTest {
protected:
    SelectionCommands()
    {
        dialog.InstallDocument(MakeRichDocument(8, 6, 3, 1, 5), {});
        Layer(1).SetLinkID(Layer(2).GetLinkID());
        dialog.OnLayersChanged(true);
    }

    std::vector<uint8_t> Stored() { return WriteChunkStream(Document()); }
    void SetRow(int layer, std::vector<uint8_t> row)
    {
        for (int x = 0; x < int(row.size()); ++x) {
            Layer(layer).SetPixel(x, 0, row[x]);
        }
        dialog.OnLayersChanged(false);
    }
    std::vector<uint8_t> Row(int layer, int count)
    {
        return {Layer(layer).GetPixels(), Layer(layer).GetPixels() + count};
    }
};

}  // namespace

TEST_F(SelectionCommands, ANewSelectionReplacesTheOldOnTheLinkedLayersAndUndoBringsItBackWholeOffCanvasPartToo)
{
    const std::vector<uint8_t> original = Stored();
    ASSERT_TRUE(Execute(std::make_unique<CCommandImageSelectionNew>(CRect{1, 1, 4, 3}, std::vector<uint8_t>{1, 0, 1, 1, 1, 0})));
    EXPECT_FALSE(Layer(0).GetSelection().HasMask()) << "layer 0 is not linked";
    EXPECT_EQ(Layer(1).GetSelection().GetRect(), (CRect{1, 1, 4, 3}));
    EXPECT_EQ(Layer(2).GetSelection().GetMask(), (std::vector<uint8_t>{1, 0, 1, 1, 1, 0}));
    EXPECT_EQ(Layer(2).GetSelection().GetUnderneath(), std::vector<uint8_t>(6, kBackground));
    EXPECT_EQ(Stored(), original) << "selecting changes no pixel";
    ASSERT_TRUE(Execute(std::make_unique<CCommandImageSelectionMove>(CPoint{-2, 4})));

    ASSERT_TRUE(Execute(std::make_unique<CCommandImageSelectionNew>(CRect{0, 0, 8, 6})));
    EXPECT_EQ(Layer(1).GetSelection().GetRect(), (CRect{0, 0, 8, 6}));
    EXPECT_EQ(Layer(1).GetSelection().GetMask(), std::vector<uint8_t>(48, 1));
    EXPECT_FALSE(Execute(std::make_unique<CCommandImageSelectionNew>(CRect{3, 3, 3, 5}))) << "an empty rectangle";

    Undo();
    EXPECT_EQ(Layer(2).GetSelection().GetRect(), (CRect{-2, 4, 1, 6}));
    // Moved back, the pixels that waited off the canvas return.
    ASSERT_TRUE(Execute(std::make_unique<CCommandImageSelectionMove>(CPoint{1, 1})));
    EXPECT_EQ(Stored(), original);
}

TEST_F(SelectionCommands, ATransparentDropLetsTheUnderneathShowThroughOnEveryLinkedLayer)
{
    SetRow(2, {1, kBackground, 2, 3});
    ASSERT_TRUE(Execute(std::make_unique<CCommandImageSelectionNew>(CRect{0, 0, 2, 1})));
    ASSERT_TRUE(Execute(std::make_unique<CCommandImageSelectionMove>(CPoint{2, 0})));
    EXPECT_EQ(Row(2, 4), (std::vector<uint8_t>{kBackground, kBackground, 1, kBackground}));

    ASSERT_TRUE(Execute(std::make_unique<CCommandImageSelectionCancel>(true)));
    EXPECT_EQ(Row(2, 4), (std::vector<uint8_t>{kBackground, kBackground, 1, 3}));
    EXPECT_FALSE(Layer(2).GetSelection().HasMask());
    EXPECT_FALSE(Layer(1).GetSelection().HasMask()) << "linked layers drop together";
    EXPECT_FALSE(Execute(std::make_unique<CCommandImageSelectionCancel>(true))) << "nothing left to drop";
    // A drop without the option covers what lies beneath: the menu routes'
    // test.
}

