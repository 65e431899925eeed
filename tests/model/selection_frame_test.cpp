#include <gtest/gtest.h>

#include <random>
#include <set>
#include <tuple>

#include "model/dib_section.h"
#include "model/selection_frame_drawing.h"
#include "model/selection_frame_list.h"
#include "support/pixel_picture.h"

namespace {

using SNode = CSelectionFrameList::SNode;
constexpr int T = CSelectionFrameList::kTop, R = CSelectionFrameList::kRight;
constexpr int B = CSelectionFrameList::kBottom, L = CSelectionFrameList::kLeft;

CSelectionFrameList Frame(const std::vector<uint8_t>& mask, int width, int height)
{
    CSelectionFrameList frame;
    frame.Build(mask.data(), width, height, true);
    return frame;
}

// The corners an edge runs between, in walking direction.
std::pair<CPoint, CPoint> EdgeEnds(const SNode& n)
{
    switch (n.edge) {
    case T:
        return {{n.x, n.y}, {n.x + 1, n.y}};
    case R:
        return {{n.x + 1, n.y}, {n.x + 1, n.y + 1}};
    case B:
        return {{n.x + 1, n.y + 1}, {n.x, n.y + 1}};
    default:
        return {{n.x, n.y + 1}, {n.x, n.y}};
    }
}

CDibSection Surface(int width, int height)
{
    CDibSection surface;
    surface.Create(width, height, kDisplayBitCount, 0);
    for (int y = 0; y < height; ++y) {
        std::fill_n(surface.GetDisplayRow(y), width, DisplayPixel{0x123456});
    }
    return surface;
}

std::vector<DisplayPixel> Pixels(const CDibSection& surface)
{
    std::vector<DisplayPixel> pixels;
    for (int y = 0; y < surface.GetHeight(); ++y) {
        pixels.insert(pixels.end(), surface.GetDisplayRow(y), surface.GetDisplayRow(y) + surface.GetWidth());
    }
    return pixels;
}

}  // namespace

// Random masks, full of holes, one-pixel features and diagonal touches: every
// boundary edge appears once, and the nodes form closed walks in which each
// edge begins where the one before it ended.
TEST(SelectionFrame, RandomMasksGiveClosedWalksOverEveryBoundaryEdgeOnce)
{
    std::mt19937 random(7);
    for (int round = 0; round < 300; ++round) {
        const int width = 1 + int(random() % 12), height = 1 + int(random() % 12);
        std::vector<uint8_t> mask(size_t(width) * height);
        const unsigned density = 30 + random() % 50;
        for (auto& byte : mask) {
            byte = random() % 100 < density ? uint8_t(1 + random() % 3) : 0;
        }
        const auto selected = [&](int x, int y) {
            return x >= 0 && y >= 0 && x < width && y < height && mask[size_t(y) * width + x] != 0;
        };
        std::set<std::tuple<int, int, int>> expected;
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                for (const auto& [edge, dx, dy] : {std::tuple{T, 0, -1}, {R, 1, 0}, {B, 0, 1}, {L, -1, 0}}) {
                    if (selected(x, y) && !selected(x + dx, y + dy)) {
                        expected.insert({x, y, edge});
                    }
                }
            }
        }
        const std::vector<SNode> nodes = Frame(mask, width, height).GetNodes();
        std::set<std::tuple<int, int, int>> actual;
        for (const SNode& node : nodes) {
            actual.insert({node.x, node.y, node.edge});
        }
        ASSERT_EQ(actual.size(), nodes.size()) << "an edge walked twice, round " << round;
        ASSERT_EQ(actual, expected) << "round " << round;
        size_t start = 0;
        for (size_t i = 0; i < nodes.size(); ++i) {
            if (i + 1 < nodes.size() && EdgeEnds(nodes[i]).second == EdgeEnds(nodes[i + 1]).first) {
                continue;
            }
            ASSERT_EQ(EdgeEnds(nodes[i]).second, EdgeEnds(nodes[start]).first) << "open walk, round " << round;
            start = i + 1;
        }
    }
}

TEST(SelectionFrameDrawing, ZoomedEdgesRunClockwiseAndShareTheirCornerColour)
{
    constexpr DisplayPixel k = kDisplayBlack, w = kDisplayWhite, r = MakeDisplayPixel(255, 0, 0);
    EXPECT_EQ(GetNormalFramePattern(), (CDashPattern{k, k, k, k, w, w, w, w}));
    EXPECT_EQ(GetActiveFramePattern(), (CDashPattern{w, w, r, r, w, w, r, r}));

    CDibSection surface = Surface(6, 6);
    const CDashPattern phases{0, 1, 2, 3, 4, 5, 6, 7};
    DrawSelectionFrame(surface, Frame({1}, 1, 1), {{1, 1}, {4, 4}}, {0, 0, 1, 1}, phases, 0);
    // Top 0..3; right from the shared corner 3..6; bottom 6..9; left 9..12,
    // ending over the first corner.
    const auto at = [&](int x, int y) { return surface.GetDisplayRow(y)[x]; };
    EXPECT_EQ((std::vector<DisplayPixel>{at(1, 1), at(2, 1), at(3, 1), at(4, 1), at(4, 2), at(4, 3), at(4, 4)}),
              (std::vector<DisplayPixel>{4, 1, 2, 3, 4, 5, 6}));
    EXPECT_EQ((std::vector<DisplayPixel>{at(3, 4), at(2, 4), at(1, 4), at(1, 3), at(1, 2)}),
              (std::vector<DisplayPixel>{7, 0, 1, 2, 3}));
    EXPECT_EQ(at(2, 2), 0x123456u) << "the inside is not drawn";

    // At zoom 1 a run of nodes at one pixel is one dot: 5, then 6 for the
    // second pixel, then 7 back on the first.
    CDibSection dots = Surface(4, 3);
    DrawSelectionFrame(dots, Frame({1, 1}, 2, 1), {{1, 1}, {1, 1}}, {0, 0, 2, 1}, phases, 5);
    EXPECT_EQ(dots.GetDisplayRow(1)[1], 7u);
    EXPECT_EQ(dots.GetDisplayRow(1)[2], 6u);
}

TEST(SelectionFrameDrawing, APartialRepaintDrawsTheSameDashesAsAFullOneAndStaysOnTheSurface)
{
    const CSelectionFrameList frame = Frame(ParsePicture("XXX./X.XX/XXX./..X."), 4, 4);
    for (const int zoom : {1, 3}) {
        const SFrameGeometry geometry = SFrameGeometry::ForCanvas({2, 1}, {1, 0}, zoom);
        CDibSection full = Surface(16, 16);
        DrawSelectionFrame(full, frame, geometry, {0, 0, 4, 4}, GetNormalFramePattern(), 3);
        CDibSection parts = Surface(16, 16);
        DrawSelectionFrame(parts, frame, geometry, {0, 0, 4, 2}, GetNormalFramePattern(), 3);
        DrawSelectionFrame(parts, frame, geometry, {0, 2, 4, 4}, GetNormalFramePattern(), 3);
        EXPECT_EQ(Pixels(parts), Pixels(full)) << "zoom " << zoom;
        EXPECT_NE(Pixels(full), Pixels(Surface(16, 16)));
    }
    CDibSection small = Surface(3, 3);  // most edges fall outside: skipped, not written
    DrawSelectionFrame(small, frame, {{-4, -2}, {2, 2}}, {0, 0, 4, 4}, GetNormalFramePattern(), 0);
}
