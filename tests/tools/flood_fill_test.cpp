#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "model/stipplebox_image_selection.h"
#include "reference/flood_fill_reference.h"
#include "support/paint_sheet.h"
#include "support/pixel_picture.h"
#include "tools/fill_region.h"

namespace {

// Fills a sheet; the layer is what is displayed unless a test shows another
// picture.
CRect Fill(CPaintSheet& sheet, int x, int y, EFillStyle style, const uint8_t* displayed = nullptr)
{
    return sheet.Painter().FloodFill(x, y, displayed != nullptr ? displayed : sheet.Layer().GetPixels(), style);
}

}  // namespace

TEST(FloodFill, EachStylePaintsItsPartOfTheFourConnectedRegion)
{
    struct SCase {
        const char* digits;
        CPoint seed;
        EFillStyle style;
        CRect painted;
        const char* inked;
    };
    const SCase cases[] = {
        {"1100/1011/0101/1111", {0, 0}, kFillNormal, {0, 0, 2, 2}, "XX../X.../..../...."},
        {"00000/00000/00000/00000", {2, 2}, kFillInnerEdge, {0, 0, 5, 4}, "XXXXX/X...X/X...X/XXXXX"},
        {"11111/10001/10001/10011/11111", {1, 1}, kFillInnerEdge, {1, 1, 4, 4}, "...../.XXX./.X.X./.XX../....."},
        {"0000/0110/0000/0000", {1, 1}, kFillOuterEdge, {0, 0, 4, 3}, ".XX./X..X/.XX./...."},
        // At the image's border the ring stays inside and the box is clipped.
        {"11000/11000/00000", {0, 0}, kFillOuterEdge, {0, 0, 3, 3}, "..X../..X../XX..."},
        {"0000/0010/0000", {0, 1}, kFillHorizontalLine, {0, 1, 2, 2}, "..../XX../...."},
        {"000/010/000", {1, 2}, kFillVerticalLine, {1, 2, 2, 3}, ".../.../.X."},
    };
    for (const SCase& c : cases) {
        CPaintSheet sheet(c.digits);
        EXPECT_EQ(Fill(sheet, c.seed.x, c.seed.y, c.style), c.painted) << c.digits << " style " << int(c.style);
        EXPECT_EQ(sheet.Inked(), c.inked) << c.digits << " style " << int(c.style);
    }
}

TEST(FloodFill, TheRegionComesFromTheDisplayedPictureAndPaintsOverMaskedColoursInTone)
{
    CPaintSheet sheet("777/777");
    sheet.Palette().SetMasked(7, true);
    sheet.tone.SetLevel(4);
    const uint8_t displayed[] = {1, 1, 1, 2, 2, 1};
    EXPECT_EQ(Fill(sheet, 0, 0, kFillNormal, displayed), (CRect{0, 0, 3, 2}));
    EXPECT_EQ(sheet.Inked(), ".X./..X");
}

TEST(FloodFill, TheSelectionBoundsTheRegionButNotItsOuterRing)
{
    CPaintSheet sheet("00000/00000/00000/00000");
    sheet.Layer().GetSelection().Create({1, 0, 5, 4}, ParsePicture("XXX./X.../X.../...."));
    EXPECT_TRUE(Fill(sheet, 2, 1, kFillNormal).IsRectEmpty()) << "the seed fails the selection mask";
    EXPECT_TRUE(Fill(sheet, 0, 0, kFillNormal).IsRectEmpty()) << "the seed lies outside the bounds";
    EXPECT_EQ(sheet.Inked(), "...../...../...../.....");
    EXPECT_EQ(Fill(sheet, 1, 0, kFillOuterEdge), (CRect{1, 0, 5, 4}));
    EXPECT_EQ(sheet.Inked(), "....X/..XX./..X../.X...");
}

namespace {

// The edge styles done the plain way, from an untouched copy of the mask.
void PlainEdge(SFillRegion& region, EFillStyle style)
{
    const SFillRegion before = region;
    const int w = region.area.Width(), h = region.area.Height();
    const auto at = [&](int x, int y) { return x >= 0 && y >= 0 && x < w && y < h && before.mask[size_t(y) * w + x]; };
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const bool inside = x > 0 && y > 0 && x + 1 < w && y + 1 < h;
            const int neighbours = at(x - 1, y) + at(x + 1, y) + at(x, y - 1) + at(x, y + 1);
            uint8_t& out = region.mask[size_t(y) * w + x];
            out = style == kFillInnerEdge ? (at(x, y) && !(inside && neighbours == 4)) : (!at(x, y) && neighbours > 0);
        }
    }
    if (style == kFillOuterEdge) {
        const CRect& b = region.bounds;
        region.bounds = {b.left - 1, b.top - 1, b.right + 1, b.bottom + 1};
    }
}

}  // namespace

// Random pictures (speckled, or flat rectangles leaving winding gaps, holes
// and one-pixel bridges), fill areas, selections and seeds: the span fill
// finds exactly the region and box of the pixel-by-pixel growth, and the edge
// styles match their plain forms.
TEST(FloodFill, SpanFillMatchesTheReferenceGrowthOnRandomPictures)
{
    std::mt19937 random(2024);
    for (int round = 0; round < 600; ++round) {
        const int width = 1 + int(random() % 48), height = 1 + int(random() % 48);
        const int colours = 2 + int(random() % 3);
        std::vector<uint8_t> pixels(size_t(width) * height);
        for (auto& pixel : pixels) {
            pixel = round % 2 == 0 ? 0 : uint8_t(random() % colours);
        }
        for (int r = 0; round % 2 == 0 && r < 1 + width * height / 30; ++r) {
            const int x0 = int(random() % width), y0 = int(random() % height);
            const int x1 = std::min(width, x0 + 1 + int(random() % 8)), y1 = std::min(height, y0 + 1 + int(random() % 8));
            for (int y = y0; y < y1; ++y) {
                std::fill(&pixels[size_t(y) * width + x0], &pixels[size_t(y) * width + x1], uint8_t(1 + r % colours));
            }
        }
        CRect area{int(random() % width), int(random() % height), 0, 0};
        area.right = area.left + 1 + int(random() % (width - area.left));
        area.bottom = area.top + 1 + int(random() % (height - area.top));
        std::vector<uint8_t> selection(size_t(area.Width()) * area.Height());
        for (auto& flag : selection) {
            flag = random() % 6 != 0 ? 1 : 0;
        }
        const SFillSource source{pixels.data(), width, round % 3 == 0 ? selection.data() : nullptr, area};
        for (int seeds = 0; seeds < 5; ++seeds) {
            const CPoint seed{area.left + int(random() % area.Width()), area.top + int(random() % area.Height())};
            const SFillRegion expected = ReferenceGrowFillRegion(source, area, seed);
            const SFillRegion actual = GrowFillRegion(source, area, seed);
            ASSERT_EQ(actual.mask, expected.mask) << "round " << round;
            const bool empty = std::count(expected.mask.begin(), expected.mask.end(), 1) == 0;
            ASSERT_EQ(actual.bounds, empty ? CRect{} : expected.bounds) << "round " << round;
            for (const EFillStyle style : {kFillInnerEdge, kFillOuterEdge}) {
                SFillRegion edge = actual, plain = actual;
                (style == kFillInnerEdge ? KeepInnerEdge : MakeOuterEdge)(edge);
                if (!empty) {
                    PlainEdge(plain, style);
                }
                ASSERT_EQ(edge.mask, plain.mask) << "round " << round << " style " << int(style);
                ASSERT_EQ(edge.bounds, plain.bounds);
            }
        }
    }
}

TEST(FloodFill, AMaskKeptFromFillToFillGivesTheSameFillsAndIsClearAfterEach)
{
    std::mt19937 random(5);
    std::string digits;
    for (int y = 0; y < 9; ++y) {
        for (int x = 0; x < 12; ++x) {
            digits += char('0' + random() % 3);
        }
        digits += y < 8 ? "/" : "";
    }
    CPaintSheet fresh(digits);
    CPaintSheet kept(digits);
    std::vector<uint8_t> mask;
    for (int i = 0; i < 60; ++i) {
        const int x = int(random() % 14) - 1;
        const int y = int(random() % 11) - 1;
        const auto style = EFillStyle(random() % 5);
        const uint8_t ink = uint8_t(random() % 3);
        const CRect expected = fresh.Painter().FloodFill(x, y, fresh.Layer().GetPixels(), style);
        CLayerPainter painter(kept.Layer(), kept.Palette(), kept.nib, kept.tone, CPaintSheet::kInk);
        EXPECT_EQ(painter.FloodFill(x, y, kept.Layer().GetPixels(), style, &mask), expected) << i;
        EXPECT_EQ(kept.Inked(), fresh.Inked()) << i;
        EXPECT_EQ(std::count(mask.begin(), mask.end(), 0), std::ptrdiff_t(mask.size())) << i;
        // New colours, so that later fills find other regions.
        fresh.Layer().SetPixel(x & 7, y & 7, ink);
        kept.Layer().SetPixel(x & 7, y & 7, ink);
    }
}
