#include <gtest/gtest.h>

#include <numeric>

#include "model/floating_selection.h"
#include "model/stipplebox_data.h"
#include "model/stipplebox_image_selection.h"

namespace {

constexpr uint8_t kBackground = 9;

// A canvas whose pixel (x, y) holds 10 × y + x, so every moved pixel is
// recognisable.
struct SCanvas {
    SCanvas(int width, int height, int layerCount = 1)
    {
        document.Create(width, height);
        for (int i = 1; i < layerCount; ++i) {
            document.GetLayers()->NewLayer(i, width, height);
        }
        for (int i = 0; i < layerCount; ++i) {
            CStippleboxLayer& layer = *document.GetLayers()->GetAt(i);
            for (int y = 0; y < height; ++y) {
                for (int x = 0; x < width; ++x) {
                    layer.SetPixel(x, y, static_cast<uint8_t>(10 * y + x + 100 * i));
                }
            }
        }
    }
    CStippleboxLayer& Layer(int i = 0) { return *document.GetLayers()->GetAt(i); }
    std::vector<CStippleboxLayer*> All() { return GetLayersAt(*document.GetLayers(), std::vector{0, 1, 2}); }

    CStippleboxData document;
};

// A new selection as the tools make it: both planes the background colour.
void NewSelection(CStippleboxLayer& layer, const CRect& rect, std::vector<uint8_t> mask = {})
{
    CStippleboxImageSelection& selection = layer.GetSelection();
    selection.Create(rect, std::move(mask));
    std::fill(selection.GetFloating().begin(), selection.GetFloating().end(), kBackground);
    std::fill(selection.GetUnderneath().begin(), selection.GetUnderneath().end(), kBackground);
}

}  // namespace

TEST(FloatingSelection, MovingAFreshSelectionCutsItsPixelsOutAndPaintsThemAtTheNewPlace)
{
    SCanvas canvas(6, 4);
    CStippleboxLayer& layer = canvas.Layer();
    NewSelection(layer, {1, 1, 3, 3}, {1, 0, 1, 1});
    std::vector<CStippleboxLayer*> layers{&layer};

    MoveSelections(layers, {3, 1}, false, 0);

    EXPECT_EQ(layer.GetSelection().GetRect(), (CRect{3, 1, 5, 3}));
    EXPECT_EQ(layer.GetPixel(1, 1), kBackground) << "cut out";
    EXPECT_EQ(layer.GetPixel(2, 1), 12) << "not selected, stays";
    EXPECT_EQ(layer.GetPixel(1, 2), kBackground);
    EXPECT_EQ(layer.GetPixel(2, 2), kBackground);
    EXPECT_EQ(layer.GetPixel(3, 1), 11) << "floating content painted";
    EXPECT_EQ(layer.GetPixel(4, 1), 14) << "the unselected pixel shows the layer";
    EXPECT_EQ(layer.GetPixel(3, 2), 21);
    EXPECT_EQ(layer.GetPixel(4, 2), 22);
    EXPECT_EQ(layer.GetSelection().GetUnderneath(), (std::vector<uint8_t>{13, 14, 23, 24}));
}

TEST(FloatingSelection, PixelsMovedOffTheCanvasComeBackWhenMovedBack)
{
    SCanvas canvas(6, 4);
    CStippleboxLayer& layer = canvas.Layer();
    NewSelection(layer, {3, 1, 6, 3});
    std::vector<CStippleboxLayer*> layers{&layer};
    MoveSelections(layers, {3, 1}, false, 0);  // lifts the content in place
    const std::vector<uint8_t> before(layer.GetPixels(), layer.GetPixels() + 24);

    MoveSelections(layers, {5, 2}, false, 0);
    EXPECT_EQ(layer.GetPixel(5, 2), 13) << "one pixel still on the canvas";
    EXPECT_EQ(layer.GetPixel(4, 1), kBackground);
    MoveSelections(layers, {-4, -3}, false, 0);  // wholly off
    MoveSelections(layers, {3, 1}, false, 0);

    EXPECT_EQ(std::vector<uint8_t>(layer.GetPixels(), layer.GetPixels() + 24), before)
        << "every pixel back, including those that were off the canvas";
}

TEST(FloatingSelection, TransparentPaintLetsTheLayerShowThroughTheGivenIndex)
{
    SCanvas canvas(4, 1);
    CStippleboxLayer& layer = canvas.Layer();
    layer.GetSelection().Create({0, 0, 4, 1}, {1, 1, 1, 0});
    layer.GetSelection().GetFloating() = {7, 5, 7, 7};

    std::vector<CStippleboxLayer*> layers{&layer};
    PaintSelections(layers, true, 7);
    EXPECT_EQ(layer.GetPixel(0, 0), 0);
    EXPECT_EQ(layer.GetPixel(1, 0), 5);
    EXPECT_EQ(layer.GetPixel(3, 0), 3) << "outside the mask";

    PaintSelections(layers, false, 7);
    EXPECT_EQ(layer.GetPixel(0, 0), 7);
    EXPECT_EQ(layer.GetPixel(2, 0), 7);
    EXPECT_EQ(layer.GetPixel(3, 0), 3);
}

TEST(FloatingSelection, OperationsActOnEveryGivenLayerAndPassOverLayersWithoutSelection)
{
    SCanvas canvas(4, 4, 3);
    NewSelection(canvas.Layer(0), {0, 0, 2, 2});
    NewSelection(canvas.Layer(2), {0, 0, 2, 2});
    const std::vector<uint8_t> middle(canvas.Layer(1).GetPixels(), canvas.Layer(1).GetPixels() + 16);

    MoveSelections(canvas.All(), {2, 2}, false, 0);

    EXPECT_EQ(canvas.Layer(0).GetPixel(2, 2), 0);
    EXPECT_EQ(canvas.Layer(2).GetPixel(3, 3), 211);
    EXPECT_EQ(canvas.Layer(2).GetPixel(0, 0), kBackground);
    EXPECT_EQ(std::vector<uint8_t>(canvas.Layer(1).GetPixels(), canvas.Layer(1).GetPixels() + 16), middle);
    EXPECT_EQ(GetLayersWithSelection(*canvas.document.GetLayers()),
              (std::vector<CStippleboxLayer*>{&canvas.Layer(0), &canvas.Layer(2)}));
}

TEST(FloatingSelection, GrabAndRestoreUnderneathKeepToTheMask)
{
    SCanvas canvas(3, 1);
    CStippleboxLayer& layer = canvas.Layer();
    layer.GetSelection().Create({-1, 0, 3, 1}, {1, 1, 0, 1});
    std::vector<CStippleboxLayer*> layers{&layer};
    GrabUnderneath(layers);
    EXPECT_EQ(layer.GetSelection().GetUnderneath()[1], 0);
    EXPECT_EQ(layer.GetSelection().GetUnderneath()[3], 2);

    layer.GetSelection().GetUnderneath() = {50, 51, 52, 53};
    RestoreUnderneath(layers);
    EXPECT_EQ(layer.GetPixel(0, 0), 51);
    EXPECT_EQ(layer.GetPixel(1, 0), 1) << "mask unset";
    EXPECT_EQ(layer.GetPixel(2, 0), 53);
}

TEST(ImageSelection, TrimToMaskCropsAllThreeArraysToTheBytesEqualToOne)
{
    CStippleboxImageSelection selection;
    selection.Create({10, 20, 14, 23}, {0, 0, 0, 0,  //
                                        0, 1, 2, 0,  //
                                        0, 0, 1, 0});
    std::iota(selection.GetFloating().begin(), selection.GetFloating().end(), 0);
    std::iota(selection.GetUnderneath().begin(), selection.GetUnderneath().end(), 100);

    selection.TrimToMask();

    EXPECT_EQ(selection.GetRect(), (CRect{11, 21, 13, 23}));
    EXPECT_EQ(selection.GetMask(), (std::vector<uint8_t>{1, 2, 0, 1}));
    EXPECT_EQ(selection.GetFloating(), (std::vector<uint8_t>{5, 6, 9, 10}));
    EXPECT_EQ(selection.GetUnderneath(), (std::vector<uint8_t>{105, 106, 109, 110}));
}

TEST(ImageSelection, TrimToMaskKeepsAFittingSelectionAndShrinksAMaskWithoutOnesToOnePixel)
{
    CStippleboxImageSelection fitting;
    fitting.Create({0, 0, 2, 1}, {1, 1});
    fitting.GetFloating() = {3, 4};
    fitting.TrimToMask();
    EXPECT_EQ(fitting.GetRect(), (CRect{0, 0, 2, 1}));
    EXPECT_EQ(fitting.GetFloating(), (std::vector<uint8_t>{3, 4}));

    CStippleboxImageSelection noOnes;
    noOnes.Create({-5, 7, -2, 9}, {2, 0, 0, 0, 3, 0});
    noOnes.GetFloating().assign(6, 44);
    noOnes.TrimToMask();
    EXPECT_EQ(noOnes.GetRect(), (CRect{-5, 7, -4, 8}));
    EXPECT_EQ(noOnes.GetMask(), (std::vector<uint8_t>{1}));
    EXPECT_EQ(noOnes.GetFloating(), (std::vector<uint8_t>{0}));

    CStippleboxImageSelection none;
    none.TrimToMask();
    EXPECT_FALSE(none.HasMask());
}

TEST(ImageSelection, IntersectNarrowsToTheSelectionRectangle)
{
    CStippleboxImageSelection selection;
    selection.Create({2, 2, 6, 6});
    CRect rect{0, 4, 3, 10};
    EXPECT_TRUE(selection.Intersect(rect));
    EXPECT_EQ(rect, (CRect{2, 4, 3, 6}));
    CRect outside{6, 0, 9, 9};
    EXPECT_FALSE(selection.Intersect(outside));
    EXPECT_TRUE(outside.IsRectEmpty());
}

TEST(ImageSelection, PreparingForASnapshotZeroesWhatTheLayerOrNothingHolds)
{
    CStippleboxImageSelection selection;
    selection.Create({-1, 1, 3, 3});  // canvas 2 × 2: columns 0 and 1 of row 1 lie on it
    selection.GetFloating().assign(8, 5);
    selection.GetUnderneath().assign(8, 6);

    selection.PrepareForSnapshot({2, 2}, false);
    EXPECT_EQ(selection.GetFloating(), std::vector<uint8_t>(8, 5));
    EXPECT_EQ(selection.GetUnderneath(), (std::vector<uint8_t>{0, 6, 6, 0, 0, 0, 0, 0}));

    selection.PrepareForSnapshot({2, 2}, true);
    EXPECT_EQ(selection.GetFloating(), (std::vector<uint8_t>{5, 0, 0, 5, 5, 5, 5, 5}));

    selection.GetUnderneath().assign(8, 6);
    selection.SetRect({5, 5, 9, 7});  // wholly off the canvas
    selection.PrepareForSnapshot({2, 2}, true);
    EXPECT_EQ(selection.GetUnderneath(), std::vector<uint8_t>(8, 0));
}
