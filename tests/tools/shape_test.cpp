#include <gtest/gtest.h>

#include <algorithm>
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

std::vector<CPoint> Plot(CShape&& shape, int x0, int y0, int x1, int y1, CRect* dirty = nullptr, int size = 1)
{
    std::vector<CPoint> points;
    CSizedPen pen(&points, size);
    shape.Draw(pen, x0, y0, x1, y1, dirty);
    return points;
}

std::string Ellipse(int width, int height)
{
    return DrawPicture(Plot(CShapeEllipse(), 0, 0, width - 1, height - 1), width, height);
}

}  // namespace

TEST(ShapeLine, TheHalfStepBiasAndTheStartPoint)
{
    EXPECT_EQ(Plot(CShapeLine(true), 0, 0, 4, 1), (std::vector<CPoint>{{0, 0}, {1, 0}, {2, 1}, {3, 1}, {4, 1}}));
    EXPECT_EQ(Plot(CShapeLine(true), 4, 1, 0, 0), (std::vector<CPoint>{{4, 1}, {3, 1}, {2, 0}, {1, 0}, {0, 0}}));
    EXPECT_EQ(Plot(CShapeLine(true), 0, 0, 1, 3), (std::vector<CPoint>{{0, 0}, {0, 1}, {1, 2}, {1, 3}}));
    EXPECT_EQ(Plot(CShapeLine(false), 0, 0, 2, -2), (std::vector<CPoint>{{1, -1}, {2, -2}}));
    EXPECT_EQ(Plot(CShapeLine(true), 3, 4, 3, 4), (std::vector<CPoint>{{3, 4}}));
    EXPECT_TRUE(Plot(CShapeLine(false), 3, 4, 3, 4).empty());
}

TEST(ShapeLine, EveryLineIsAConnectedRunToItsEndPoint)
{
    std::mt19937 random(5);
    for (int round = 0; round < 2000; ++round) {
        const int x0 = int(random() % 41) - 20, y0 = int(random() % 41) - 20;
        const int x1 = int(random() % 41) - 20, y1 = int(random() % 41) - 20;
        const std::vector<CPoint> points = Plot(CShapeLine(true), x0, y0, x1, y1);
        ASSERT_EQ(int(points.size()), std::max(std::abs(x1 - x0), std::abs(y1 - y0)) + 1);
        ASSERT_EQ(points.back(), (CPoint{x1, y1}));
        for (size_t i = 1; i < points.size(); ++i) {
            ASSERT_LE(std::max(std::abs(points[i].x - points[i - 1].x), std::abs(points[i].y - points[i - 1].y)), 1);
        }
    }
}

TEST(ShapeRectangle, CornersArePlottedOnceWithTheStartCornerLast)
{
    EXPECT_EQ(Plot(CShapeRectangle(), 5, 5, 6, 6), (std::vector<CPoint>{{5, 6}, {6, 6}, {6, 5}, {5, 5}}));
    EXPECT_EQ(Plot(CShapeRectangle(), 2, 1, 2, 3), (std::vector<CPoint>{{2, 1}, {2, 2}, {2, 3}}));
    const std::vector<CPoint> box = Plot(CShapeRectangle(), 4, 3, 0, 0);
    EXPECT_EQ(DrawPicture(box, 5, 4), "XXXXX/X...X/X...X/XXXXX");
    EXPECT_EQ(box.size(), 14u);
    EXPECT_EQ(box.back(), (CPoint{4, 3}));
}

TEST(ShapeEllipse, PicturesOfBoxesInAnyCornerOrder)
{
    EXPECT_EQ(Ellipse(10, 6), "..XXXXXX../.X......X./X........X/X........X/.X......X./..XXXXXX..");
    EXPECT_EQ(Ellipse(5, 3), ".XXX./X...X/.XXX.");
    EXPECT_EQ(Ellipse(1, 1), "X");
    EXPECT_EQ(Ellipse(1, 5), "X/X/X/X/X");
    EXPECT_EQ(DrawPicture(Plot(CShapeEllipse(), 9, 0, 0, 5), 10, 6), Ellipse(10, 6));
    std::vector<CPoint> moved = Plot(CShapeEllipse(), -11, 12, -20, 7);
    for (CPoint& p : moved) {
        p.x += 20, p.y -= 7;
    }
    EXPECT_EQ(DrawPicture(moved, 10, 6), Ellipse(10, 6)) << "the same shape anywhere";
}

TEST(Shape, TheDirtyRectangleCoversTheBoxWidenedByHalfTheNib)
{
    CRect dirty;
    Plot(CShapeLine(true), 7, 9, 2, 3, &dirty, 10);
    EXPECT_EQ(dirty, (CRect{-3, -2, 13, 15}));
    Plot(CShapeEllipse(), 0, 0, 3, 2, &dirty, 1);
    EXPECT_EQ(dirty, (CRect{0, 0, 4, 3}));
    Plot(CShapeRectangle(), 4, 4, 5, 6, &dirty, 2);
    EXPECT_EQ(dirty, (CRect{3, 3, 7, 8}));
}
