#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "bars/command_ids.h"
#include "commands/clipboard.h"
#include "commands/command_image_effects.h"
#include "commands/command_image_paste.h"
#include "commands/command_image_resize.h"
#include "model/stipplebox_data.h"
#include "model/stipplebox_image_selection.h"
#include "support/editor_fixture.h"

// That undoing everything gives the stored document back and that the
// canvas's backup follows the current layer after every step is the undo
// property test's job; these tests check what each command does.
namespace {

class ImageCommands : public CEditorTest {
protected:
    // A new selection of the rectangle on every layer of the current layer's
    // link group, as the selection tools make one: nothing lifted yet, both
    // planes the background colour.
    void Select(const CRect& rect, std::vector<uint8_t> mask = {})
    {
        for (const int index : dialog.GetImageEditWnd().GetLayerCache().GetLinkedList()) {
            CStippleboxImageSelection& selection = Layer(index).GetSelection();
            selection.Create(rect, mask);
            std::fill(selection.GetFloating().begin(), selection.GetFloating().end(), Document().GetBackgroundColor());
            std::fill(selection.GetUnderneath().begin(), selection.GetUnderneath().end(),
                      Document().GetBackgroundColor());
        }
        dialog.GetImageEditWnd().RebuildSelectionFrame();
    }
    void LinkAll()
    {
        for (int i = 1; i < Document().GetLayers()->GetSize(); ++i) {
            Layer(i).SetLinkID(Layer(0).GetLinkID());
        }
        dialog.OnLayersChanged(true);
    }
    const CStippleboxImageSelection& Selection() { return CurrentLayer().GetSelection(); }
};

}  // namespace

TEST_F(ImageCommands, QuarterTurnsOfTheWholeImageTurnTheCanvasExactly)
{
    Open(MakeRowsDocument({{"123", "456"}, {"700", "008"}}));
    LinkAll();
    ASSERT_TRUE(Execute(std::make_unique<CCommandImageEffectRotate>(90.0f)));
    EXPECT_EQ(Document().GetCanvasSize(), (CSize{2, 3}));
    EXPECT_EQ(GetRows(Layer(0)), (PixelRows{"36", "25", "14"})) << "counter-clockwise on screen";
    EXPECT_EQ(GetRows(Layer(1)), (PixelRows{"08", "00", "70"}));
    EXPECT_EQ(dialog.GetImageEditWnd().GetImageSize(), (CSize{2, 3}));

    ASSERT_TRUE(Execute(std::make_unique<CCommandImageEffectRotate>(180.0f)));
    EXPECT_EQ(GetRows(Layer(0)), (PixelRows{"41", "52", "63"}));
    ASSERT_TRUE(Execute(std::make_unique<CCommandImageEffectRotate>(-90.0f)));
    EXPECT_EQ(GetRows(Layer(0)), (PixelRows{"654", "321"})) << "270 degrees in all";
}

TEST_F(ImageCommands, EffectsThatResizeNeedEveryLayerInTheGroupOrASelection)
{
    Open(MakeRowsDocument({{"12", "34"}, {"00", "00"}}));
    EXPECT_FALSE(Execute(std::make_unique<CCommandImageEffectScaling>(4, 4, false)));
    EXPECT_FALSE(Execute(std::make_unique<CCommandImageEffectRotate>(45.0f)));
    EXPECT_EQ(Document().GetCanvasSize(), (CSize{2, 2}));
    EXPECT_EQ(UndoText(), "元に戻す") << "a refused effect leaves no step";

    Select({0, 0, 1, 2});
    ASSERT_TRUE(Execute(std::make_unique<CCommandImageEffectScaling>(2, 2, false)));
    EXPECT_EQ(Document().GetCanvasSize(), (CSize{2, 2}));
    EXPECT_EQ(GetRows(Layer(0)), (PixelRows{"11", "33"}));
}

TEST_F(ImageCommands, ASelectionTurnsAboutItsTopLeftCorner)
{
    Open(MakeRowsDocument({{"00000", "01200", "03400", "05600", "00000"}}));
    Select({1, 1, 3, 4});
    ASSERT_TRUE(Execute(std::make_unique<CCommandImageEffectRotate>(90.0f)));
    EXPECT_EQ(Selection().GetRect(), (CRect{1, 1, 4, 3}));
    const PixelRows turned{"00000", "02460", "01350", "00000", "00000"};
    EXPECT_EQ(GetRows(CurrentLayer()), turned) << "the vacated place shows what lay beneath";
}

TEST_F(ImageCommands, FlipsTurnTheMaskWithThePixelsAndKeepNothing)
{
    Open(MakeRowsDocument({{"123", "456"}}));
    ASSERT_TRUE(Execute(std::make_unique<CCommandImageEffectFlipHorz>()));
    ASSERT_TRUE(Execute(std::make_unique<CCommandImageEffectFlipVert>()));
    EXPECT_EQ(GetRows(CurrentLayer()), (PixelRows{"654", "321"}));
    EXPECT_EQ(dialog.GetCommandManager().GetTotalSize(), 0) << "a flip keeps nothing";
    ASSERT_TRUE(Undo());
    ASSERT_TRUE(Undo());

    Select({0, 0, 2, 2}, {1, 0, 1, 1});  // an L
    ASSERT_TRUE(Execute(std::make_unique<CCommandImageEffectFlipHorz>()));
    EXPECT_EQ(Selection().GetMask(), (std::vector<uint8_t>{0, 1, 1, 1}));
    EXPECT_EQ(GetRows(CurrentLayer()), (PixelRows{"013", "546"})) << "the uncovered corner shows the background";
    ASSERT_TRUE(Execute(std::make_unique<CCommandImageEffectFlipHorz>()));
    EXPECT_EQ(GetRows(CurrentLayer()), (PixelRows{"123", "456"}));
    EXPECT_EQ(Selection().GetMask(), (std::vector<uint8_t>{1, 0, 1, 1}));
}

TEST_F(ImageCommands, DeleteFillsOnlyTheSelectedPixelsWithTheBackground)
{
    Open(MakeRowsDocument({{"1234", "5678"}}));
    Document().SetBackgroundColor(9);
    Select({1, 0, 3, 2}, {1, 0, 0, 1});
    ASSERT_TRUE(Execute(std::make_unique<CCommandImageEffectDelete>()));
    EXPECT_EQ(GetRows(CurrentLayer()), (PixelRows{"1934", "5698"}));
    EXPECT_EQ(UndoText(), "元に戻す:削除");
}

TEST_F(ImageCommands, CanvasSizeKeepsTheAnchoredPart)
{
    Open(MakeRowsDocument({{"123", "456", "789"}, {"ABC", "DEF", "012"}}));
    Document().SetBackgroundColor(0);
    ASSERT_TRUE(Execute(std::make_unique<CCommandImageResize>(6, 4, 4)));
    EXPECT_EQ(GetRows(Layer(0)), (PixelRows{"012300", "045600", "078900", "000000"}))
        << "growth by an odd number puts the extra column and row on the right and bottom";
    EXPECT_EQ(GetRows(Layer(1)), (PixelRows{"0ABC00", "0DEF00", "001200", "000000"}));
    EXPECT_EQ(dialog.GetImageEditWnd().GetImageSize(), (CSize{6, 4}));
}

TEST_F(ImageCommands, ASelectionMovesWithTheCanvasAndAPartBroughtOnTheCanvasHasTheBackgroundBeneath)
{
    Open(MakeRowsDocument({{"123", "456"}}));
    Document().SetBackgroundColor(7);
    Select({1, 0, 4, 1}, {0, 1, 1});  // reaches one pixel past the right edge
    CStippleboxImageSelection& selection = CurrentLayer().GetSelection();
    selection.GetFloating()[2] = 9;
    selection.GetUnderneath()[2] = 5;  // off the canvas nothing lies beneath
    ASSERT_TRUE(Execute(std::make_unique<CCommandImageResize>(4, 2, 0)));
    EXPECT_EQ(GetRows(CurrentLayer()), (PixelRows{"1239", "4567"}));
    // The flip uncovers the pixel brought onto the canvas.
    ASSERT_TRUE(Execute(std::make_unique<CCommandImageEffectFlipHorz>()));
    EXPECT_EQ(GetRows(CurrentLayer()), (PixelRows{"1937", "4567"}));
}

TEST_F(ImageCommands, CutCopiesTheLinkedLayersThenPasteFloatsThemAtTheViewsTopLeft)
{
    Open(MakeRowsDocument({{"1234", "5678"}, {"9000", "0000"}}));
    LinkAll();
    EXPECT_EQ(Update(kCmdPaste).GetEnabled(), false);
    Select({2, 0, 4, 2});
    Command(kCmdCut);
    EXPECT_EQ(GetRows(Layer(0)), (PixelRows{"1200", "5600"}));
    const CClipboard& clipboard = dialog.GetClipboard();
    ASSERT_EQ(clipboard.GetImages().size(), 2u);
    EXPECT_EQ(clipboard.GetImages()[0].pixels, (std::vector<uint8_t>{3, 4, 7, 8}));
    EXPECT_EQ(clipboard.GetRect(), (CRect{2, 0, 4, 2}));
    EXPECT_EQ(Update(kCmdPaste).GetEnabled(), true);

    Command(kCmdPaste);
    EXPECT_EQ(Selection().GetRect(), (CRect{0, 0, 2, 2}));
    EXPECT_EQ(GetRows(Layer(0)), (PixelRows{"3400", "7800"}));
    EXPECT_EQ(GetRows(Layer(1)), (PixelRows{"0000", "0000"}));
    EXPECT_EQ(UndoText(), "元に戻す:貼り付け");
}

TEST_F(ImageCommands, PastingSeveralLayersIntoOneStacksThemAndOtherCountsAreRefused)
{
    Open(MakeRowsDocument({{"12", "00"}, {"34", "56"}, {"00", "00"}}));
    LinkAll();
    Command(kCmdCopy);
    ASSERT_EQ(dialog.GetClipboard().GetImages().size(), 3u);

    // Layer 2 leaves the group: two layers to paste three images into.
    Layer(2).SetLinkID(99);
    dialog.OnLayersChanged(true);
    Command(kCmdPaste);
    EXPECT_EQ(LastBoxText(), CCommandImagePaste::kLayerCountMismatch);
    EXPECT_EQ(UndoText(), "元に戻す");

    Layer(1).SetLinkID(98);
    dialog.OnLayersChanged(true);
    Command(kCmdPaste);
    EXPECT_EQ(GetRows(Layer(0)), (PixelRows{"12", "56"})) << "the first image on top, background showing through";
}

TEST_F(ImageCommands, PasteSnapsToTheGridKeepingTheCopiedAreasPlaceInItsCell)
{
    Open(MakeRowsDocument({PixelRows(40, std::string(40, '1'))}));
    Select({5, 3, 7, 6});
    Command(kCmdCopy);
    dialog.GetToolOptions().snapToGrid = true;
    dialog.GetImageEditWnd().SetScroll(20, 18, true);  // grid of 16: cell (16, 16)
    Command(kCmdPaste);
    EXPECT_EQ(Selection().GetRect(), (CRect{21, 19, 23, 22}));
}
