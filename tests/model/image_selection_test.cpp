#include <gtest/gtest.h>

#include <numeric>

#include "model/floating_selection.h"
#include "model/stipplebox_data.h"
#include "model/stipplebox_image_selection.h"

namespace {

constexpr uint8_t kBackground = 9;

// Layers whose pixel (x, y) holds 100 × layer + 10 × y + x, so that every
// moved pixel is recognisable.
struct SCanvas {
    SCanvas(int width, int height, int layerCount = 1)
    {
        document.Create(width, height);
        for (int i = 0; i < layerCount; ++i) {
            if (i > 0) {
                document.GetLayers()->NewLayer(i, width, height);
            }
            for (int p = 0; p < width * height; ++p) {
                Layer(i).GetPixels()[p] = uint8_t(100 * i + 10 * (p / width) + p % width);
            }
        }
    }
    CStippleboxLayer& Layer(int i = 0) { return *document.GetLayers()->GetAt(i); }
    std::vector<uint8_t> Pixels(int i = 0)
    {
        return {Layer(i).GetPixels(), Layer(i).GetPixels() + Layer(i).GetWidth() * Layer(i).GetHeight()};
    }
    // A new selection as the tools make it: both planes the background colour.
    void Select(int i, const CRect& rect, std::vector<uint8_t> mask = {})
    {
        CStippleboxImageSelection& selection = Layer(i).GetSelection();
        selection.Create(rect, std::move(mask));
        std::fill(selection.GetFloating().begin(), selection.GetFloating().end(), kBackground);
        std::fill(selection.GetUnderneath().begin(), selection.GetUnderneath().end(), kBackground);
    }

    CStippleboxData document;
};

}  // namespace

TEST(FloatingSelection, AMovedSelectionCutsItsPixelsOutAndPaintsThemOverTheNewPlace)
{
    SCanvas canvas(6, 4, 3);
    canvas.Select(0, {1, 1, 3, 3}, {1, 0, 1, 1});
    canvas.Select(2, {1, 1, 3, 3}, {1, 0, 1, 1});
    const std::vector<uint8_t> middle = canvas.Pixels(1);
    ASSERT_EQ(GetLayersWithSelection(*canvas.document.GetLayers()),
              (std::vector<CStippleboxLayer*>{&canvas.Layer(0), &canvas.Layer(2)}));
    MoveSelections(GetLayersAt(*canvas.document.GetLayers(), std::vector{0, 1, 2}), {2, 0}, false, 0);

    const std::vector<uint8_t> expected{0,  1,  2,  3,  4,  5,   //
                                        10, 9,  12, 11, 14, 15,  // (2, 1) unselected: stays and shows at (4, 1)
                                        20, 9,  9,  21, 22, 25,  //
                                        30, 31, 32, 33, 34, 35};
    EXPECT_EQ(canvas.Pixels(0), expected);
    EXPECT_EQ(canvas.Layer(0).GetSelection().GetRect(), (CRect{3, 1, 5, 3}));
    EXPECT_EQ(canvas.Layer(0).GetSelection().GetUnderneath(), (std::vector<uint8_t>{13, 14, 23, 24}));
    EXPECT_EQ(canvas.Layer(2).GetPixel(3, 2), 221) << "every layer with a selection moves";
    EXPECT_EQ(canvas.Pixels(1), middle) << "a layer without one is passed over";
}

TEST(ImageSelection, TrimToMaskCropsToTheBytesEqualToOne)
{
    CStippleboxImageSelection selection;
    selection.Create({10, 20, 14, 23}, {0, 0, 0, 0, 0, 1, 2, 0, 0, 0, 1, 0});
    std::iota(selection.GetFloating().begin(), selection.GetFloating().end(), 0);
    std::iota(selection.GetUnderneath().begin(), selection.GetUnderneath().end(), 100);
    selection.TrimToMask();
    EXPECT_EQ(selection.GetRect(), (CRect{11, 21, 13, 23}));
    EXPECT_EQ(selection.GetMask(), (std::vector<uint8_t>{1, 2, 0, 1}));
    EXPECT_EQ(selection.GetFloating(), (std::vector<uint8_t>{5, 6, 9, 10}));
    EXPECT_EQ(selection.GetUnderneath(), (std::vector<uint8_t>{105, 106, 109, 110}));
    selection.TrimToMask();
    EXPECT_EQ(selection.GetRect(), (CRect{11, 21, 13, 23})) << "a fitting selection stays";

    CStippleboxImageSelection noOnes;
    noOnes.Create({-5, 7, -2, 9}, {2, 0, 0, 0, 3, 0});
    noOnes.GetFloating().assign(6, 44);
    noOnes.TrimToMask();
    EXPECT_EQ(noOnes.GetRect(), (CRect{-5, 7, -4, 8}));
    EXPECT_EQ(noOnes.GetMask(), (std::vector<uint8_t>{1}));
    EXPECT_EQ(noOnes.GetFloating(), (std::vector<uint8_t>{0}));
}
