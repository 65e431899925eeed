#include <gtest/gtest.h>

#include <random>

#include "model/stipplebox_data.h"
#include "model/stipplebox_image_selection.h"
#include "reference/flood_fill_reference.h"
#include "support/pixel_picture.h"
#include "tools/fill_region.h"
#include "tools/layer_painter.h"
#include "tools/pen_nib.h"
#include "tools/tone.h"

namespace {

constexpr uint8_t kInk = 9;

// A one-layer picture written as digits, rows separated by '/'; the layer is
// also what is displayed unless a test shows something else.
struct SPicture {
    explicit SPicture(const std::string& digits)
    {
        const int width = int(digits.find('/') == std::string::npos ? digits.size() : digits.find('/'));
        const int height = int(std::count(digits.begin(), digits.end(), '/')) + 1;
        document.Create(width, height);
        int p = 0;
        for (const char c : digits) {
            if (c != '/') {
                Layer().GetPixels()[p++] = uint8_t(c - '0');
            }
        }
    }
    CStippleboxLayer& Layer() { return *document.GetCurrentLayer(); }
    CRect Fill(int x, int y, EFillStyle style, const uint8_t* displayed = nullptr)
    {
        CLayerPainter painter(Layer(), *document.GetCurrentPalette(), nib, tone, kInk);
        return painter.FloodFill(x, y, displayed != nullptr ? displayed : Layer().GetPixels(), style);
    }
    std::string Inked()
    {
        return DrawPicture(Layer().GetWidth(), Layer().GetHeight(),
                           [&](int x, int y) { return Layer().GetPixel(x, y) == kInk; });
    }

    CStippleboxData document;
    CPenNib nib;
    CTone tone;
};

}  // namespace

TEST(FloodFill, TheRegionIsFourConnectedAndOfTheExactIndex)
{
    SPicture picture("1100/1011/0101/1111");
    EXPECT_EQ(picture.Fill(0, 0, kFillNormal), (CRect{0, 0, 2, 2}));
    EXPECT_EQ(picture.Inked(), "XX../X.../..../....");
}

TEST(FloodFill, InnerEdgeKeepsTheRegionsEdgeAndTheAreasBorder)
{
    SPicture whole("00000/00000/00000/00000");
    EXPECT_EQ(whole.Fill(2, 2, kFillInnerEdge), (CRect{0, 0, 5, 4}));
    EXPECT_EQ(whole.Inked(), "XXXXX/X...X/X...X/XXXXX");

    SPicture blob("11111/10001/10001/10011/11111");
    EXPECT_EQ(blob.Fill(1, 1, kFillInnerEdge), (CRect{1, 1, 4, 4}));
    EXPECT_EQ(blob.Inked(), "...../.XXX./.X.X./.XX../.....");
}

TEST(FloodFill, OuterEdgeRingsTheRegionAndStaysInsideTheImage)
{
    SPicture corner("11000/11000/00000");
    EXPECT_EQ(corner.Fill(0, 0, kFillOuterEdge), (CRect{0, 0, 3, 3})) << "the grown box is clipped";
    EXPECT_EQ(corner.Inked(), "..X../..X../XX...");

    SPicture middle("0000/0110/0000/0000");
    EXPECT_EQ(middle.Fill(1, 1, kFillOuterEdge), (CRect{0, 0, 4, 3}));
    EXPECT_EQ(middle.Inked(), ".XX./X..X/.XX./....");
}

TEST(FloodFill, LineStylesFillOnlyTheSeedsRunOfItsRowOrColumn)
{
    SPicture row("0000/0010/0000");
    EXPECT_EQ(row.Fill(0, 1, kFillHorizontalLine), (CRect{0, 1, 2, 2}));
    EXPECT_EQ(row.Inked(), "..../XX../....");
    SPicture column("000/010/000");
    EXPECT_EQ(column.Fill(1, 2, kFillVerticalLine), (CRect{1, 2, 2, 3}));
    EXPECT_EQ(column.Inked(), ".../.../.X.");
}

TEST(FloodFill, TheRegionComesFromTheDisplayedPictureAndIgnoresTheColourMask)
{
    SPicture picture("777/777");
    picture.document.GetCurrentPalette()->SetMasked(7, true);
    const uint8_t displayed[] = {1, 1, 2, 2, 2, 1};
    EXPECT_EQ(picture.Fill(0, 0, kFillNormal, displayed), (CRect{0, 0, 2, 1}));
    EXPECT_EQ(picture.Inked(), "XX./...") << "the layer below the front layers is filled where the picture shows 1";
}

TEST(FloodFill, TheSelectionBoundsTheRegionButNotItsOuterRing)
{
    SPicture picture("00000/00000/00000/00000");
    picture.Layer().GetSelection().Create({1, 0, 5, 4}, ParsePicture("XXX./X.../X.../...."));
    EXPECT_TRUE(picture.Fill(2, 1, kFillNormal).IsRectEmpty()) << "the seed fails the selection mask";
    EXPECT_TRUE(picture.Fill(0, 0, kFillNormal).IsRectEmpty()) << "the seed is outside the bounds";
    EXPECT_EQ(picture.Inked(), "...../...../...../.....");

    EXPECT_EQ(picture.Fill(1, 0, kFillNormal), (CRect{1, 0, 4, 3}));
    EXPECT_EQ(picture.Inked(), ".XXX./.X.../.X.../.....");

    SPicture ring("00000/00000/00000/00000");
    ring.Layer().GetSelection().Create({1, 0, 5, 4}, ParsePicture("XXX./X.../X.../...."));
    EXPECT_EQ(ring.Fill(1, 0, kFillOuterEdge), (CRect{1, 0, 5, 4}));
    EXPECT_EQ(ring.Inked(), "....X/..XX./..X../.X...") << "unselected pixels beside the region are painted";
}

TEST(FloodFill, TheToneThinsWhatIsPainted)
{
    SPicture picture("0000/0000/0000/0000");
    picture.tone.SetLevel(4);
    picture.Fill(0, 0, kFillNormal);
    EXPECT_EQ(picture.Inked(), ".X.X/X.X./.X.X/X.X.");
}

namespace {

// The edge styles done the plain way, from an untouched copy of the mask.
void PlainInnerEdge(SFillRegion& region)
{
    const SFillRegion before = region;
    const int w = region.area.Width(), h = region.area.Height();
    const auto at = [&](int x, int y) { return before.mask[size_t(y) * w + x] != 0; };
    for (int y = 1; y + 1 < h; ++y) {
        for (int x = 1; x + 1 < w; ++x) {
            if (at(x, y) && at(x - 1, y) && at(x + 1, y) && at(x, y - 1) && at(x, y + 1)) {
                region.mask[size_t(y) * w + x] = 0;
            }
        }
    }
}

void PlainOuterEdge(SFillRegion& region)
{
    const SFillRegion before = region;
    const int w = region.area.Width(), h = region.area.Height();
    const auto at = [&](int x, int y) {
        return x >= 0 && y >= 0 && x < w && y < h && before.mask[size_t(y) * w + x] != 0;
    };
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            region.mask[size_t(y) * w + x] =
                !at(x, y) && (at(x - 1, y) || at(x + 1, y) || at(x, y - 1) || at(x, y + 1)) ? 1 : 0;
        }
    }
    const CRect& b = region.bounds;
    region.bounds = {b.left - 1, b.top - 1, b.right + 1, b.bottom + 1};
}

}  // namespace

// Many random pictures of few colours (so regions wind, hold holes and touch
// the borders), random fill areas, selections and seeds: the span fill finds
// exactly the region and box of the pixel-by-pixel growth, and the edge
// styles match their plain forms.
TEST(FloodFill, SpanFillMatchesTheReferenceGrowthOnRandomPictures)
{
    std::mt19937 random(2024);
    for (int round = 0; round < 600; ++round) {
        const int width = 1 + int(random() % 48);
        const int height = 1 + int(random() % 48);
        const int colours = 2 + int(random() % 3);
        std::vector<uint8_t> pixels(size_t(width) * height);
        for (auto& pixel : pixels) {
            pixel = uint8_t(random() % colours);
        }
        if (round % 2 == 0) {
            // Flat areas: rectangles over a single colour, leaving winding
            // gaps, holes and one-pixel bridges between them.
            std::fill(pixels.begin(), pixels.end(), 0);
            for (int r = 0; r < 1 + width * height / 30; ++r) {
                const int x0 = int(random() % width), y0 = int(random() % height);
                const int x1 = std::min(width, x0 + 1 + int(random() % 8));
                const int y1 = std::min(height, y0 + 1 + int(random() % 8));
                const uint8_t colour = uint8_t(1 + random() % colours);
                for (int y = y0; y < y1; ++y) {
                    std::fill(&pixels[size_t(y) * width + x0], &pixels[size_t(y) * width + x1], colour);
                }
            }
        }
        CRect area{int(random() % width), int(random() % height), width, height};
        area.right = area.left + 1 + int(random() % (width - area.left));
        area.bottom = area.top + 1 + int(random() % (height - area.top));
        std::vector<uint8_t> selection;
        SFillSource source{pixels.data(), width, nullptr, {}};
        if (round % 3 == 0) {
            source.selectionRect = area;
            selection.resize(size_t(area.Width()) * area.Height());
            for (auto& flag : selection) {
                flag = random() % 6 != 0 ? 1 : 0;
            }
            source.selectionMask = selection.data();
        }
        for (int seeds = 0; seeds < 5; ++seeds) {
            const CPoint seed{area.left + int(random() % area.Width()), area.top + int(random() % area.Height())};
            const SFillRegion expected = ReferenceGrowFillRegion(source, area, seed);
            SFillRegion actual = GrowFillRegion(source, area, seed);
            ASSERT_EQ(actual.mask, expected.mask) << "round " << round;
            const bool empty = std::count(expected.mask.begin(), expected.mask.end(), 1) == 0;
            ASSERT_EQ(actual.bounds, empty ? CRect{} : expected.bounds) << "round " << round;
            if (empty) {
                continue;
            }
            SFillRegion inner = actual;
            KeepInnerEdge(inner);
            SFillRegion plainInner = actual;
            PlainInnerEdge(plainInner);
            ASSERT_EQ(inner.mask, plainInner.mask) << "round " << round;
            SFillRegion outer = actual;
            MakeOuterEdge(outer);
            SFillRegion plainOuter = actual;
            PlainOuterEdge(plainOuter);
            ASSERT_EQ(outer.mask, plainOuter.mask) << "round " << round;
            ASSERT_EQ(outer.bounds, plainOuter.bounds);
        }
    }
}
