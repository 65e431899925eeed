#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numeric>
#include <random>
#include <vector>

#include "tools/image_transform.h"

namespace {

using Bytes = std::vector<uint8_t>;

// The mirror image done pixel by pixel.
Bytes Mirrored(const Bytes& block, int width, bool horizontal)
{
    const int height = int(block.size()) / width;
    Bytes mirrored(block.size());
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            mirrored[size_t(y) * width + x] = horizontal ? block[size_t(y) * width + (width - 1 - x)]
                                                         : block[size_t(height - 1 - y) * width + x];
        }
    }
    return mirrored;
}

}  // namespace

// Rows are reversed eight bytes at a time, so every width up to a few words
// is compared with the plain mirror image, mask and all.
TEST(ImageTransform, FlipsOfAnyWidthMirrorPixelsAndMaskExactly)
{
    std::mt19937 random(8);
    for (int width = 1; width <= 41; ++width) {
        Bytes pixels(size_t(width) * 4), mask(pixels.size());
        std::generate(pixels.begin(), pixels.end(), [&random] { return uint8_t(random()); });
        std::generate(mask.begin(), mask.end(), [&random] { return uint8_t(random() % 2); });
        for (const bool horizontal : {true, false}) {
            Bytes flipped = pixels, flippedMask = mask;
            (horizontal ? FlipHorizontal : FlipVertical)(flipped.data(), width, 4, flippedMask.data());
            EXPECT_EQ(flipped, Mirrored(pixels, width, horizontal)) << width << (horizontal ? " across" : " down");
            EXPECT_EQ(flippedMask, Mirrored(mask, width, horizontal)) << width << (horizontal ? " across" : " down");
        }
    }
}

TEST(ImageTransform, NearestScalingRepeatsAndSkipsWholePixels)
{
    const Bytes row = {10, 20, 30};
    const Bytes ones(3, 1);
    const STransformedBlock grown = ScaleNearest(row.data(), 3, 1, ones.data(), 6, 2);
    EXPECT_EQ(grown.pixels, (Bytes{10, 10, 20, 20, 30, 30, 10, 10, 20, 20, 30, 30}));
    EXPECT_EQ(grown.mask, Bytes(12, 1));

    const Bytes six = {0, 1, 2, 3, 4, 5};
    const Bytes sixMask = {1, 0, 1, 0, 1, 0};
    const STransformedBlock shrunk = ScaleNearest(six.data(), 6, 1, sixMask.data(), 3, 1);
    EXPECT_EQ(shrunk.pixels, (Bytes{0, 2, 4}));
    EXPECT_EQ(shrunk.mask, (Bytes{1, 1, 1}));
}

// Rotation as it reads: every output pixel maps back through floor(). The
// exact quarter turns are ImageCommands' QuarterTurns.
TEST(ImageTransform, RotationAtAnyAngleMatchesThePlainFormulaPixelForPixel)
{
    Bytes pixels(13 * 7);
    std::iota(pixels.begin(), pixels.end(), uint8_t{1});
    const Bytes mask(pixels.size(), 1);
    const double pi = 4.0 * std::atan(1.0);
    for (const float angle : {33.0f, 347.5f, 200.0f, 359.9f, 45.0f}) {
        const STransformedBlock block = Rotate(pixels.data(), 13, 7, mask.data(), angle, {13, 7});
        const double c = std::cos(-double(angle) * pi / 180.0);
        const double s = std::sin(-double(angle) * pi / 180.0);
        for (int y = 0; y < block.height; ++y) {
            for (int x = 0; x < block.width; ++x) {
                const double dx = x - (block.width - 1) / 2.0;
                const double dy = y - (block.height - 1) / 2.0;
                const double sx = std::floor(dx * c + dy * s + 6.0);
                const double sy = std::floor(dy * c - dx * s + 3.0);
                const bool inside = sx >= 0 && sx < 13 && sy >= 0 && sy < 7;
                const uint8_t expected = inside ? pixels[size_t(sy) * 13 + size_t(sx)] : 0;
                ASSERT_EQ(block.pixels[size_t(y) * block.width + x], expected) << angle << " at " << x << "," << y;
            }
        }
    }
}

TEST(ImageTransform, TheRotatedSizeCoversTheTurnedCanvasWithItsMargin)
{
    EXPECT_EQ(GetRotatedSize({3, 2}, 90), (CSize{8, 9}));
    EXPECT_EQ(GetRotatedSize({10, 10}, 0), (CSize{16, 16}));
    EXPECT_EQ(GetRotatedSize({100, 100}, 45), (CSize{149, 149}));  // trunc(105 · √2) + 1

    // Pixels outside the turned source stay unselected.
    const STransformedBlock block = Rotate(Bytes(4, 7).data(), 2, 2, Bytes(4, 1).data(), 33, {2, 2});
    const auto selected = std::count(block.mask.begin(), block.mask.end(), 1);
    EXPECT_GT(selected, 0);
    EXPECT_LT(selected, block.width * block.height);
    for (size_t i = 0; i < block.mask.size(); ++i) {
        EXPECT_EQ(block.pixels[i], block.mask[i] ? 7 : 0);
    }
}

TEST(ImageTransform, CanvasResizePlacementFollowsTheAnchor)
{
    struct SCase {
        CSize from, to;
        int anchor;
        CRect source, destination;
    };
    const SCase cases[] = {
        {{3, 3}, {6, 4}, 4, {0, 0, 3, 3}, {1, 0, 4, 3}},        // centre: the odd extra goes right and below
        {{10, 10}, {4, 7}, 8, {6, 3, 10, 10}, {0, 0, 4, 7}},    // bottom right
        {{10, 10}, {5, 13}, 3, {0, 0, 5, 10}, {0, 1, 5, 11}},  // middle left
        {{8, 8}, {8, 8}, 4, {0, 0, 8, 8}, {0, 0, 8, 8}},
    };
    for (const SCase& c : cases) {
        const SCanvasResizePlacement placement = PlaceResizedCanvas(c.from, c.to, c.anchor);
        EXPECT_EQ(placement.source, c.source) << "anchor " << c.anchor;
        EXPECT_EQ(placement.destination, c.destination) << "anchor " << c.anchor;
    }
}
