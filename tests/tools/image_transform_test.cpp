#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numeric>
#include <random>
#include <vector>

#include "tools/image_transform.h"

namespace {

using Bytes = std::vector<uint8_t>;

// The part of a block inside its mask's bounding box, row by row.
Bytes CropToMask(const STransformedBlock& block, int* width = nullptr, int* height = nullptr)
{
    int left = block.width, top = block.height, right = -1, bottom = -1;
    for (int y = 0; y < block.height; ++y) {
        for (int x = 0; x < block.width; ++x) {
            if (block.mask[size_t(y) * block.width + x] != 0) {
                left = std::min(left, x), right = std::max(right, x);
                top = std::min(top, y), bottom = std::max(bottom, y);
            }
        }
    }
    Bytes crop;
    for (int y = top; y <= bottom; ++y) {
        for (int x = left; x <= right; ++x) {
            crop.push_back(block.pixels[size_t(y) * block.width + x]);
        }
    }
    if (width != nullptr) {
        *width = right - left + 1;
        *height = bottom - top + 1;
    }
    return crop;
}

}  // namespace

TEST(ImageTransform, FlipsMirrorPixelsAndMaskTogetherAndUndoThemselves)
{
    Bytes pixels = {1, 2, 3, 4, 5, 6};  // 3 × 2
    Bytes mask = {1, 0, 0, 0, 0, 1};
    FlipHorizontal(pixels.data(), 3, 2, mask.data());
    EXPECT_EQ(pixels, (Bytes{3, 2, 1, 6, 5, 4}));
    EXPECT_EQ(mask, (Bytes{0, 0, 1, 1, 0, 0}));
    FlipVertical(pixels.data(), 3, 2, mask.data());
    EXPECT_EQ(pixels, (Bytes{6, 5, 4, 3, 2, 1}));
    EXPECT_EQ(mask, (Bytes{1, 0, 0, 0, 0, 1}));

    std::mt19937 random(3);
    Bytes picture(7 * 5);
    for (uint8_t& p : picture) {
        p = static_cast<uint8_t>(random());
    }
    Bytes twice = picture;
    FlipVertical(twice.data(), 7, 5, nullptr);
    FlipVertical(twice.data(), 7, 5, nullptr);
    FlipHorizontal(twice.data(), 7, 5, nullptr);
    FlipHorizontal(twice.data(), 7, 5, nullptr);
    EXPECT_EQ(twice, picture);
}

TEST(ImageTransform, AHorizontalFlipOfAnyWidthReversesEachRowExactly)
{
    std::mt19937 random(8);
    for (int width = 1; width <= 41; ++width) {
        Bytes block(size_t(width) * 3);
        std::generate(block.begin(), block.end(), [&random] { return uint8_t(random()); });
        Bytes expected = block;
        for (int y = 0; y < 3; ++y) {
            std::reverse(expected.begin() + y * width, expected.begin() + (y + 1) * width);
        }
        FlipHorizontal(block.data(), width, 3, nullptr);
        EXPECT_EQ(block, expected) << width;
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

TEST(ImageTransform, QuarterTurnsMovePixelsExactly)
{
    // 3 × 2:  1 2 3
    //         4 5 6
    const Bytes pixels = {1, 2, 3, 4, 5, 6};
    const Bytes mask(6, 1);
    const CSize document{3, 2};
    int width = 0, height = 0;

    // Counter-clockwise on screen: the right column becomes the top row.
    EXPECT_EQ(CropToMask(Rotate(pixels.data(), 3, 2, mask.data(), 90, document), &width, &height),
              (Bytes{3, 6, 2, 5, 1, 4}));
    EXPECT_EQ(width, 2);
    EXPECT_EQ(height, 3);
    EXPECT_EQ(CropToMask(Rotate(pixels.data(), 3, 2, mask.data(), 180, document)), (Bytes{6, 5, 4, 3, 2, 1}));
    EXPECT_EQ(CropToMask(Rotate(pixels.data(), 3, 2, mask.data(), 270, document)), (Bytes{4, 1, 5, 2, 6, 3}));
    EXPECT_EQ(CropToMask(Rotate(pixels.data(), 3, 2, mask.data(), -90, document)), (Bytes{4, 1, 5, 2, 6, 3}))
        << "a negative angle turns the other way";
    EXPECT_EQ(CropToMask(Rotate(pixels.data(), 3, 2, mask.data(), 450, document)), (Bytes{3, 6, 2, 5, 1, 4}));
}

TEST(ImageTransform, RotationKeepsEveryPixelOfAnOddSquareAtAnyQuarterTurn)
{
    Bytes pixels(9 * 9);
    std::iota(pixels.begin(), pixels.end(), uint8_t{0});
    const Bytes mask(pixels.size(), 1);
    Bytes turned = pixels;
    for (int turn = 0; turn < 4; ++turn) {
        const STransformedBlock block = Rotate(turned.data(), 9, 9, mask.data(), 90, {9, 9});
        int width = 0, height = 0;
        turned = CropToMask(block, &width, &height);
        ASSERT_EQ(width, 9);
        ASSERT_EQ(height, 9);
    }
    EXPECT_EQ(turned, pixels) << "four quarter turns give the picture back";
}

// Rotation as it reads: every output pixel maps back through floor().
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
    const CSize diagonal = GetRotatedSize({100, 100}, 45);
    EXPECT_EQ(diagonal.cx, 149);  // trunc(105 · √2) + 1
    EXPECT_EQ(diagonal.cy, 149);

    // Pixels outside the turned source stay unselected.
    const Bytes pixels(4, 7);
    const Bytes mask(4, 1);
    const STransformedBlock block = Rotate(pixels.data(), 2, 2, mask.data(), 33, {2, 2});
    const auto selected = std::count(block.mask.begin(), block.mask.end(), 1);
    EXPECT_GT(selected, 0);
    EXPECT_LT(selected, block.width * block.height);
    for (size_t i = 0; i < block.mask.size(); ++i) {
        EXPECT_EQ(block.pixels[i], block.mask[i] ? 7 : 0);
    }
}

TEST(ImageTransform, CanvasResizePlacementFollowsTheAnchor)
{
    // Growing 3 → 6 with the centre anchor: the extra goes right and below.
    SCanvasResizePlacement grow = PlaceResizedCanvas({3, 3}, {6, 4}, 4);
    EXPECT_EQ(grow.source, (CRect{0, 0, 3, 3}));
    EXPECT_EQ(grow.destination, (CRect{1, 0, 4, 3}));

    SCanvasResizePlacement shrink = PlaceResizedCanvas({10, 10}, {4, 7}, 8);  // bottom right
    EXPECT_EQ(shrink.source, (CRect{6, 3, 10, 10}));
    EXPECT_EQ(shrink.destination, (CRect{0, 0, 4, 7}));

    SCanvasResizePlacement mixed = PlaceResizedCanvas({10, 10}, {5, 13}, 3);  // middle left
    EXPECT_EQ(mixed.source, (CRect{0, 0, 5, 10}));
    EXPECT_EQ(mixed.destination, (CRect{0, 1, 5, 11}));

    SCanvasResizePlacement same = PlaceResizedCanvas({8, 8}, {8, 8}, 4);
    EXPECT_EQ(same.source, same.destination);
}
