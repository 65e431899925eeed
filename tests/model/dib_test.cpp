#include <gtest/gtest.h>

#include "model/bmp_dc.h"
#include "model/dib_section.h"

TEST(DibSection, TakesOnlyTheDepthsItCanHold)
{
    CDibSection section;
    EXPECT_FALSE(section.Create(4, 4, 4, 16));
    EXPECT_FALSE(section.Create(4, 4, 1, 2));
    EXPECT_FALSE(section.IsCreated());
    ASSERT_TRUE(section.Create(5, 3, 8, 256));
    EXPECT_EQ(section.GetStride(), 8) << "rows pad to four bytes";
}

TEST(BmpDC, ColourTablesFillsAndBlockCopiesStayInsideTheSurface)
{
    CDibSection eight;
    ASSERT_TRUE(eight.Create(4, 4, 8, 16));
    const RGBQUAD colors[3] = {{1, 2, 3, 0}, {4, 5, 6, 0}, {7, 8, 9, 0}};
    EXPECT_EQ(CBmpDC(eight).SetDIBColorTable(14, 3, colors), 2);
    RGBQUAD read[2];
    EXPECT_EQ(CBmpDC(eight).GetDIBColorTable(14, 2, read), 2);
    EXPECT_EQ(read[1], colors[1]);

    CDibSection canvas;
    ASSERT_TRUE(canvas.Create(4, 3, kDisplayBitCount, 0));
    CBmpDC dc(canvas);
    dc.FillSolidRect({-5, 1, 2, 10}, 0x123456);
    EXPECT_EQ(canvas.GetDisplayRow(1)[1], 0x123456u);
    EXPECT_EQ(canvas.GetDisplayRow(2)[1], 0x123456u);
    EXPECT_EQ(canvas.GetDisplayRow(0)[1], 0u);
    EXPECT_EQ(canvas.GetDisplayRow(1)[2], 0u);

    CDibSection source;
    ASSERT_TRUE(source.Create(2, 2, kDisplayBitCount, 0));
    source.GetDisplayRow(0)[0] = 7;
    source.GetDisplayRow(1)[1] = 8;
    dc.BitBlt(3, 2, 2, 2, source, 0, 0);
    EXPECT_EQ(canvas.GetDisplayRow(2)[3], 7u);
    dc.BitBlt(-1, -1, 2, 2, source, 0, 0);
    EXPECT_EQ(canvas.GetDisplayRow(0)[0], 8u);
}
