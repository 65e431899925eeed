#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <random>

#include "support/pixel_picture.h"
#include "tools/shape.h"
#include "tools/shape_pen.h"

namespace {

// A recording pen that claims a nib size, for the dirty rectangle.
class CSizedPen : public CShapePenSelectNormal {
public:
    CSizedPen(std::vector<CPoint>* points, int size) : CShapePenSelectNormal(points), m_size(size) {}
    int GetSize() const override { return m_size; }

private:
    int m_size;
};

std::vector<CPoint> Plot(CShape& shape, int x0, int y0, int x1, int y1)
{
    std::vector<CPoint> points;
    CShapePenSelectNormal pen(&points);
    shape.Draw(pen, x0, y0, x1, y1, nullptr);
    return points;
}

std::vector<CPoint> Line(int x0, int y0, int x1, int y1, bool includeStart = true)
{
    CShapeLine line(includeStart);
    return Plot(line, x0, y0, x1, y1);
}

std::string Ellipse(int width, int height)
{
    CShapeEllipse ellipse;
    return DrawPicture(Plot(ellipse, 0, 0, width - 1, height - 1), width, height);
}

}  // namespace

TEST(ShapeLine, AOnePointLinePlotsItsPointOnlyWithTheStart)
{
    EXPECT_EQ(Line(3, 4, 3, 4, true), (std::vector<CPoint>{{3, 4}}));
    EXPECT_TRUE(Line(3, 4, 3, 4, false).empty());
}

TEST(ShapeLine, TheHalfStepBiasDecidesWhereTheMinorAxisSteps)
{
    EXPECT_EQ(Line(0, 0, 4, 1), (std::vector<CPoint>{{0, 0}, {1, 0}, {2, 1}, {3, 1}, {4, 1}}));
    EXPECT_EQ(Line(4, 1, 0, 0), (std::vector<CPoint>{{4, 1}, {3, 1}, {2, 0}, {1, 0}, {0, 0}}));
    EXPECT_EQ(Line(0, 0, 1, 3), (std::vector<CPoint>{{0, 0}, {0, 1}, {1, 2}, {1, 3}}));
    EXPECT_EQ(Line(0, 0, 2, -2), (std::vector<CPoint>{{0, 0}, {1, -1}, {2, -2}}));
    EXPECT_EQ(Line(0, 0, 4, 1, false), (std::vector<CPoint>{{1, 0}, {2, 1}, {3, 1}, {4, 1}}));
}

TEST(ShapeLine, EveryLineEndsOnItsEndPointAndStepsOnePixelAtATime)
{
    std::mt19937 random(5);
    for (int round = 0; round < 2000; ++round) {
        const int x0 = int(random() % 41) - 20, y0 = int(random() % 41) - 20;
        const int x1 = int(random() % 41) - 20, y1 = int(random() % 41) - 20;
        const std::vector<CPoint> points = Line(x0, y0, x1, y1);
        ASSERT_FALSE(points.empty());
        EXPECT_EQ(points.front(), (CPoint{x0, y0}));
        EXPECT_EQ(points.back(), (CPoint{x1, y1}));
        EXPECT_EQ(int(points.size()), std::max(std::abs(x1 - x0), std::abs(y1 - y0)) + 1);
        for (size_t i = 1; i < points.size(); ++i) {
            ASSERT_LE(std::abs(points[i].x - points[i - 1].x), 1);
            ASSERT_LE(std::abs(points[i].y - points[i - 1].y), 1);
        }
    }
}

TEST(ShapeLine, FreehandSegmentsWithoutTheirStartNeverRepeatAJoint)
{
    const std::vector<CPoint> stroke{{0, 0}, {5, 2}, {5, 9}, {-3, 4}};
    std::vector<CPoint> points = Line(0, 0, 0, 0, true);
    for (size_t i = 1; i < stroke.size(); ++i) {
        const std::vector<CPoint> segment = Line(stroke[i - 1].x, stroke[i - 1].y, stroke[i].x, stroke[i].y, false);
        points.insert(points.end(), segment.begin(), segment.end());
    }
    for (const CPoint& joint : stroke) {
        EXPECT_EQ(std::count(points.begin(), points.end(), joint), 1);
    }
}

TEST(ShapeRectangle, CornersArePlottedOnceWithTheStartCornerLast)
{
    CShapeRectangle rectangle;
    EXPECT_EQ(Plot(rectangle, 5, 5, 6, 6), (std::vector<CPoint>{{5, 6}, {6, 6}, {6, 5}, {5, 5}}));
    EXPECT_EQ(Plot(rectangle, 1, 1, 3, 0), (std::vector<CPoint>{{1, 0}, {2, 0}, {3, 0}, {3, 1}, {2, 1}, {1, 1}}));
    EXPECT_EQ(Plot(rectangle, 2, 1, 2, 3), (std::vector<CPoint>{{2, 1}, {2, 2}, {2, 3}})) << "one column: a line";
    EXPECT_EQ(Plot(rectangle, 4, 0, 2, 0), (std::vector<CPoint>{{4, 0}, {3, 0}, {2, 0}}));

    const std::vector<CPoint> box = Plot(rectangle, 0, 0, 4, 3);
    EXPECT_EQ(DrawPicture(box, 5, 4), "XXXXX/X...X/X...X/XXXXX");
    EXPECT_EQ(box.size(), 14u) << "no point twice";
}

TEST(ShapeEllipse, ThePicturesOfATenBySixAndAFiveByThreeBox)
{
    EXPECT_EQ(Ellipse(10, 6), "..XXXXXX../.X......X./X........X/X........X/.X......X./..XXXXXX..");
    EXPECT_EQ(Ellipse(5, 3), ".XXX./X...X/.XXX.");
}

TEST(ShapeEllipse, ThinBoxesAndCornerOrder)
{
    EXPECT_EQ(Ellipse(1, 1), "X");
    EXPECT_EQ(Ellipse(1, 5), "X/X/X/X/X");
    EXPECT_EQ(Ellipse(4, 1), "XXXX");

    CShapeEllipse ellipse;
    for (const auto& [x0, y0, x1, y1] : {std::tuple{9, 5, 0, 0}, std::tuple{0, 5, 9, 0}, std::tuple{9, 0, 0, 5}}) {
        std::vector<CPoint> points = Plot(ellipse, x0, y0, x1, y1);
        EXPECT_EQ(DrawPicture(points, 10, 6), Ellipse(10, 6));
    }
    std::vector<CPoint> moved = Plot(ellipse, -20, 7, -11, 12);
    for (CPoint& p : moved) {
        p.x += 20, p.y -= 7;
    }
    EXPECT_EQ(DrawPicture(moved, 10, 6), Ellipse(10, 6)) << "the same shape anywhere";
}

TEST(ShapeEllipse, OutlinesAreSymmetricAndConnected)
{
    CShapeEllipse ellipse;
    for (int w = 1; w <= 24; ++w) {
        for (int h = 1; h <= 24; ++h) {
            const std::vector<CPoint> points = Plot(ellipse, 0, 0, w - 1, h - 1);
            for (const CPoint& p : points) {
                ASSERT_TRUE(p.x >= 0 && p.x < w && p.y >= 0 && p.y < h) << w << "x" << h;
                ASSERT_NE(std::find(points.begin(), points.end(), CPoint{w - 1 - p.x, p.y}), points.end())
                    << w << "x" << h;
            }
            for (int x = 0; x < w; ++x) {
                ASSERT_NE(std::find_if(points.begin(), points.end(), [&](CPoint p) { return p.x == x; }), points.end())
                    << "a gap at column " << x << " of " << w << "x" << h;
            }
        }
    }
}

TEST(Shape, TheDirtyRectangleCoversTheBoxWidenedByHalfTheNib)
{
    std::vector<CPoint> points;
    CRect dirty;
    CSizedPen pen(&points, 10);
    CShapeLine(true).Draw(pen, 7, 9, 2, 3, &dirty);
    EXPECT_EQ(dirty, (CRect{-3, -2, 13, 15}));
    CSizedPen one(&points, 1);
    CShapeEllipse().Draw(one, 0, 0, 3, 2, &dirty);
    EXPECT_EQ(dirty, (CRect{0, 0, 4, 3}));
    CSizedPen two(&points, 2);
    CShapeRectangle().Draw(two, 4, 4, 5, 6, &dirty);
    EXPECT_EQ(dirty, (CRect{3, 3, 7, 8}));
}
