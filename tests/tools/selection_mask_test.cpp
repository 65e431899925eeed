#include <gtest/gtest.h>

#include "support/pixel_picture.h"
#include "tools/image_selector.h"
#include "tools/selection_mask.h"
#include "tools/shape.h"

namespace {

std::string MaskPicture(const std::vector<uint8_t>& mask, const CRect& rect)
{
    return DrawPicture(rect.Width(), rect.Height(), [&](int x, int y) { return mask[size_t(y) * rect.Width() + x] != 0; });
}

}  // namespace

// Figure eights and open scribbles drawn with the mouse are the selection
// tools' tests; here, the pocket rule.
TEST(OutlineMask, AnEnclosedHoleIsSelectedAndABayOpenToTheBorderStaysOutside)
{
    // A ring with a spur: the hole is enclosed; the bay beside the ring is
    // walled in on three sides but open to the border.
    const CRect rect{0, 0, 7, 5};
    const std::vector<uint8_t> outline = ParsePicture("XXXXX../X...X../X...XXX/X...X.X/XXXXX.X");
    std::vector<CPoint> ring;
    for (int i = 0; i < int(outline.size()); ++i) {
        if (outline[i] != 0) {
            ring.push_back({i % 7, i / 7});
        }
    }
    EXPECT_EQ(MaskPicture(MakeOutlineMask(ring, rect), rect), "XXXXX../XXXXX../XXXXXXX/XXXXX.X/XXXXX.X");
}

TEST(SelectorOutline, ReplacingARectangleKeepsOnlyTheLatestAndAddingGrowsTheRectangle)
{
    CImageSelector selector;
    CShapeRectangle rectangle;
    selector.DrawShape(rectangle, 5, 5, 2, 8, false, true);
    selector.DrawShape(rectangle, 5, 5, 3, 6, false, true);
    EXPECT_EQ(selector.GetRect(), (CRect{3, 5, 6, 7}));
    EXPECT_EQ(DrawPicture(selector.GetPoints(), 7, 8), "......./......./......./......./......./...XXX./...XXX./.......");

    CShapeLine line(true);
    selector.DrawShape(line, 0, 0, 0, 1, false, false);
    EXPECT_EQ(selector.GetRect(), (CRect{0, 0, 6, 7}));
    EXPECT_EQ(selector.GetPoints().size(), 8u);
    selector.Reset();
    EXPECT_TRUE(selector.GetRect().IsRectEmpty());
    EXPECT_TRUE(selector.BuildMask().empty()) << "no outline, no mask";
}

TEST(SelectorOutline, AMasksEdgeIsItsSetPixelsOnTheBorderOrBesideAnUnsetOne)
{
    CImageSelector selector;
    const std::vector<uint8_t> mask = ParsePicture("XXXX./XXXX./XXXXX/.XXX.");
    selector.SetFromMask(mask.data(), {10, 10, 15, 14});
    std::vector<CPoint> relative;
    for (const CPoint& point : selector.GetPoints()) {
        relative.push_back({point.x - 10, point.y - 10});
    }
    EXPECT_EQ(DrawPicture(relative, 5, 4), "XXXX./X..X./X...X/.XXX.");
    EXPECT_EQ(relative[1], (CPoint{1, 0})) << "in row order";
}

TEST(CropMask, NarrowsToTheBytesEqualToOne)
{
    std::vector<uint8_t> mask = ParsePicture("...../..X../.X.../.....");
    mask[0] = 2;  // set, but not 1
    CRect rect{-3, 4, 2, 8};
    CropMask(mask, rect, false);
    EXPECT_EQ(rect, (CRect{-2, 5, 0, 7}));
    EXPECT_EQ(MaskPicture(mask, {0, 0, 2, 2}), ".X/X.");

    std::vector<uint8_t> full(6, 1);
    CRect whole{0, 0, 3, 2};
    CropMask(full, whole, false);
    EXPECT_EQ(whole, (CRect{0, 0, 3, 2}));
    EXPECT_EQ(full.size(), 6u);

    std::vector<uint8_t> boundsOnly = ParsePicture("..../..X.");
    CRect narrowed{0, 0, 4, 2};
    CropMask(boundsOnly, narrowed, true);
    EXPECT_EQ(narrowed, (CRect{2, 1, 3, 2}));
    EXPECT_EQ(boundsOnly.size(), 8u) << "with boundsOnly the mask stays as it was";

    std::vector<uint8_t> none(4, 0);
    CRect empty{0, 0, 2, 2};
    CropMask(none, empty, false);
    EXPECT_TRUE(empty.IsRectEmpty());
    EXPECT_TRUE(none.empty());
}

TEST(ColorMask, SelectsEveryPixelOfAMarkedIndexConnectedOrNot)
{
    const std::vector<uint8_t> pixels{1, 2, 3, 3, 1, 4};
    std::array<bool, 256> marked{};
    marked[1] = marked[4] = true;
    EXPECT_EQ(MakeColorMask(pixels.data(), {3, 2}, marked), (std::vector<uint8_t>{1, 0, 0, 0, 1, 1}));
}
