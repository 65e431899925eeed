#include <gtest/gtest.h>

#include <map>
#include <random>
#include <set>
#include <tuple>

#include "model/dib_section.h"
#include "model/selection_frame_drawing.h"
#include "model/selection_frame_list.h"
#include "support/pixel_picture.h"

namespace {

using SNode = CSelectionFrameList::SNode;
constexpr int T = CSelectionFrameList::kTop;
constexpr int R = CSelectionFrameList::kRight;
constexpr int B = CSelectionFrameList::kBottom;
constexpr int L = CSelectionFrameList::kLeft;

std::vector<SNode> Trace(const std::string& picture, int width, int height)
{
    const std::vector<uint8_t> mask = ParsePicture(picture);
    CSelectionFrameList frame;
    frame.Build(mask.data(), width, height, true);
    return frame.GetNodes();
}

// The corners an edge runs between, in walking direction.
std::pair<CPoint, CPoint> EdgeEnds(const SNode& node)
{
    const int x = node.x;
    const int y = node.y;
    switch (node.edge) {
    case T:
        return {{x, y}, {x + 1, y}};
    case R:
        return {{x + 1, y}, {x + 1, y + 1}};
    case B:
        return {{x + 1, y + 1}, {x, y + 1}};
    default:
        return {{x, y + 1}, {x, y}};
    }
}

}  // namespace

TEST(SelectionFrame, OnePixelIsWalkedClockwiseFromItsTopEdge)
{
    EXPECT_EQ(Trace("X", 1, 1), (std::vector<SNode>{{0, 0, T}, {0, 0, R}, {0, 0, B}, {0, 0, L}}));
}

TEST(SelectionFrame, AnInnerCornerIsTurnedWithoutANode)
{
    EXPECT_EQ(Trace("X./XX", 2, 2), (std::vector<SNode>{{0, 0, T},
                                                         {0, 0, R},
                                                         {1, 1, T},
                                                         {1, 1, R},
                                                         {1, 1, B},
                                                         {0, 1, B},
                                                         {0, 1, L},
                                                         {0, 0, L}}));
}

TEST(SelectionFrame, PixelsTouchingAtACornerGetOutlinesOfTheirOwn)
{
    EXPECT_EQ(Trace("X./.X", 2, 2), (std::vector<SNode>{{0, 0, T},
                                                         {0, 0, R},
                                                         {0, 0, B},
                                                         {0, 0, L},
                                                         {1, 1, T},
                                                         {1, 1, R},
                                                         {1, 1, B},
                                                         {1, 1, L}}));
}

TEST(SelectionFrame, AHoleIsWalkedAfterTheOutlineAroundIt)
{
    EXPECT_EQ(Trace("XXX/X.X/XXX", 3, 3), (std::vector<SNode>{{0, 0, T},
                                                               {1, 0, T},
                                                               {2, 0, T},
                                                               {2, 0, R},
                                                               {2, 1, R},
                                                               {2, 2, R},
                                                               {2, 2, B},
                                                               {1, 2, B},
                                                               {0, 2, B},
                                                               {0, 2, L},
                                                               {0, 1, L},
                                                               {0, 0, L},
                                                               // the hole, from its bottom side
                                                               {1, 2, T},
                                                               {2, 1, L},
                                                               {1, 0, B},
                                                               {0, 1, R}}));
}

TEST(SelectionFrame, BuildWithoutForceKeepsAnOutlineAlreadyBuilt)
{
    const std::vector<uint8_t> one{1};
    const std::vector<uint8_t> two{1, 1};
    CSelectionFrameList frame;
    frame.Build(one.data(), 1, 1, false);
    frame.Build(two.data(), 2, 1, false);
    EXPECT_EQ(frame.GetNodes().size(), 4u);
    frame.Build(two.data(), 2, 1, true);
    EXPECT_EQ(frame.GetNodes().size(), 6u);
    frame.Clear();
    EXPECT_TRUE(frame.IsEmpty());
}

// On random masks, with holes, one-pixel features and diagonal touches
// aplenty: every boundary edge appears exactly once, and the nodes form
// closed walks in which each edge begins where the one before it ended.
TEST(SelectionFrame, RandomMasksGiveClosedWalksOverEveryBoundaryEdgeOnce)
{
    std::mt19937 random(7);
    for (int round = 0; round < 300; ++round) {
        const int width = 1 + int(random() % 12);
        const int height = 1 + int(random() % 12);
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
                if (!selected(x, y)) {
                    continue;
                }
                if (!selected(x, y - 1)) expected.insert({x, y, T});
                if (!selected(x + 1, y)) expected.insert({x, y, R});
                if (!selected(x, y + 1)) expected.insert({x, y, B});
                if (!selected(x - 1, y)) expected.insert({x, y, L});
            }
        }

        CSelectionFrameList frame;
        frame.Build(mask.data(), width, height, true);
        const std::vector<SNode>& nodes = frame.GetNodes();
        std::set<std::tuple<int, int, int>> actual;
        for (const SNode& node : nodes) {
            actual.insert({node.x, node.y, node.edge});
        }
        ASSERT_EQ(actual.size(), nodes.size()) << "an edge was walked twice, round " << round;
        ASSERT_EQ(actual, expected) << "round " << round;

        size_t start = 0;
        for (size_t i = 0; i < nodes.size(); ++i) {
            const bool last = i + 1 == nodes.size();
            if (!last && EdgeEnds(nodes[i]).second == EdgeEnds(nodes[i + 1]).first) {
                continue;
            }
            ASSERT_EQ(EdgeEnds(nodes[i]).second, EdgeEnds(nodes[start]).first)
                << "the walk from node " << start << " does not close, round " << round;
            start = i + 1;
        }
    }
}

namespace {

constexpr uint16_t kBlack = 0x0000;
constexpr uint16_t kWhite = 0xFFFF;

CDibSection MakeSurface(int width, int height)
{
    CDibSection surface;
    surface.Create(width, height, 16, 0);
    for (int y = 0; y < height; ++y) {
        std::fill_n(surface.GetRow16(y), width, uint16_t{0x1234});
    }
    return surface;
}

std::vector<uint16_t> Pixels(const CDibSection& surface)
{
    std::vector<uint16_t> pixels;
    for (int y = 0; y < surface.GetHeight(); ++y) {
        pixels.insert(pixels.end(), surface.GetRow16(y), surface.GetRow16(y) + surface.GetWidth());
    }
    return pixels;
}

CSelectionFrameList Frame(const std::string& picture, int width, int height)
{
    const std::vector<uint8_t> mask = ParsePicture(picture);
    CSelectionFrameList frame;
    frame.Build(mask.data(), width, height, true);
    return frame;
}

}  // namespace

TEST(SelectionFrameDrawing, DashPatternsOfTwoColoursByMode)
{
    EXPECT_EQ(MakeDashPattern(1, 2, 0), (CDashPattern{1, 1, 1, 1, 1, 1, 1, 1}));
    EXPECT_EQ(MakeDashPattern(1, 2, 1), (CDashPattern{1, 2, 1, 2, 1, 2, 1, 2}));
    EXPECT_EQ(MakeDashPattern(1, 2, 2), (CDashPattern{1, 1, 2, 2, 1, 1, 2, 2}));
    EXPECT_EQ(MakeDashPattern(1, 2, 3), (CDashPattern{1, 1, 1, 1, 2, 2, 2, 2}));
    EXPECT_EQ(GetNormalFramePattern(), (CDashPattern{0, 0, 0, 0, 0xFFFF, 0xFFFF, 0xFFFF, 0xFFFF}));
    EXPECT_EQ(GetActiveFramePattern(),
              (CDashPattern{0xFFFF, 0xFFFF, 0xF800, 0xF800, 0xFFFF, 0xFFFF, 0xF800, 0xF800}));
}

TEST(SelectionFrameDrawing, ZoomedEdgesRunClockwiseAndShareTheirCornerColour)
{
    // One selected pixel at zoom 4: 16 edge pixels, 12 distinct places.
    CDibSection surface = MakeSurface(6, 6);
    const CDashPattern pattern{0, 1, 2, 3, 4, 5, 6, 7};
    DrawSelectionFrame(surface, Frame("X", 1, 1), {{1, 1}, {4, 4}}, {0, 0, 1, 1}, pattern, 0);

    const auto at = [&](int x, int y) { return surface.GetRow16(y)[x]; };
    // Top: phases 0..3; right from its shared corner: 3..6; bottom: 6..9;
    // left: 9..12, ending on the first corner.
    EXPECT_EQ((std::vector<uint16_t>{at(1, 1), at(2, 1), at(3, 1), at(4, 1)}), (std::vector<uint16_t>{4, 1, 2, 3}));
    EXPECT_EQ((std::vector<uint16_t>{at(4, 2), at(4, 3), at(4, 4)}), (std::vector<uint16_t>{4, 5, 6}));
    EXPECT_EQ((std::vector<uint16_t>{at(3, 4), at(2, 4), at(1, 4)}), (std::vector<uint16_t>{7, 0, 1}));
    EXPECT_EQ((std::vector<uint16_t>{at(1, 3), at(1, 2)}), (std::vector<uint16_t>{2, 3}));
    EXPECT_EQ(at(2, 2), 0x1234) << "the inside is not drawn";
    EXPECT_EQ(at(0, 0), 0x1234);
    EXPECT_EQ(at(5, 5), 0x1234);
}

TEST(SelectionFrameDrawing, AtZoomOneEachPixelOfTheOutlineIsOneDot)
{
    CDibSection surface = MakeSurface(4, 3);
    const CDashPattern pattern{0, 1, 2, 3, 4, 5, 6, 7};
    // Two pixels side by side: nodes (0,T) (1,T) (1,R) (1,B) (0,B) (0,L).
    DrawSelectionFrame(surface, Frame("XX", 2, 1), {{1, 1}, {1, 1}}, {0, 0, 2, 1}, pattern, 5);
    // Dots where the next node moves to another pixel: (0) phase 5, then the
    // run at pixel 1 ends with phase 6, then the run at pixel 0 with 7.
    EXPECT_EQ(surface.GetRow16(1)[1], 7);
    EXPECT_EQ(surface.GetRow16(1)[2], 6);
}

TEST(SelectionFrameDrawing, APartialRepaintDrawsTheSameDashesAsAFullOne)
{
    const CSelectionFrameList frame = Frame("XXX./X.XX/XXX./..X.", 4, 4);
    for (const int zoom : {1, 3}) {
        const SFrameGeometry geometry = SFrameGeometry::ForCanvas({2, 1}, {1, 0}, zoom);
        CDibSection full = MakeSurface(16, 16);
        DrawSelectionFrame(full, frame, geometry, {0, 0, 4, 4}, GetNormalFramePattern(), 3);
        CDibSection parts = MakeSurface(16, 16);
        DrawSelectionFrame(parts, frame, geometry, {0, 0, 4, 2}, GetNormalFramePattern(), 3);
        DrawSelectionFrame(parts, frame, geometry, {0, 2, 4, 4}, GetNormalFramePattern(), 3);
        EXPECT_EQ(Pixels(parts), Pixels(full)) << "zoom " << zoom;
        EXPECT_NE(Pixels(full), Pixels(MakeSurface(16, 16)));
    }
}

TEST(SelectionFrameDrawing, EdgesOffTheSurfaceAreSkipped)
{
    CDibSection surface = MakeSurface(3, 3);
    DrawSelectionFrame(surface, Frame("XX/XX", 2, 2), {{-2, -2}, {2, 2}}, {0, 0, 2, 2}, GetNormalFramePattern(), 0);
    // Only the bottom-right pixel's block reaches the surface.
    EXPECT_NE(surface.GetRow16(1)[1], 0x1234);
    EXPECT_EQ(surface.GetRow16(2)[2], 0x1234);
}
