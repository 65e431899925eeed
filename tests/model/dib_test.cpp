#include <gtest/gtest.h>

#include "model/bmp_dc.h"
#include "model/dib.h"
#include "model/dib_section.h"

TEST(Dib, EightBitLayoutHasAFullZeroTableAndPaddedRows)
{
    CDib dib;
    ASSERT_TRUE(dib.Create(5, 3, 8, 256));
    EXPECT_EQ(dib.GetStride(), 8);
    EXPECT_EQ(dib.GetBlockSize(), 40u + 1024u + 24u);
    const BITMAPINFOHEADER header = dib.GetHeader();
    EXPECT_EQ(header.biSize, 40u);
    EXPECT_EQ(header.biWidth, 5);
    EXPECT_EQ(header.biHeight, 3);
    EXPECT_EQ(header.biPlanes, 1);
    EXPECT_EQ(header.biBitCount, 8);
    EXPECT_EQ(header.biCompression, BI_RGB);
    EXPECT_EQ(header.biClrUsed, 0u);
    ASSERT_NE(dib.GetColorTable(), nullptr);
    for (int i = 0; i < 256; ++i) {
        ASSERT_EQ(dib.GetColorTable()[i], 0u);
    }
    EXPECT_EQ(dib.GetBits(), dib.GetBlock() + 40 + 1024);

    CDib partial;
    ASSERT_TRUE(partial.Create(2, 2, 4, 5));
    EXPECT_EQ(partial.GetHeader().biClrUsed, 5u) << "a partial table counts its colours";
    EXPECT_EQ(partial.GetBlockSize(), 40u + 20u + 8u);
}

TEST(Dib, DeepSurfacesHaveNoTableAndSixteenBitsCarryTheMasks)
{
    CDib rgb;
    ASSERT_TRUE(rgb.Create(3, 2, 24, 256));
    EXPECT_EQ(rgb.GetStride(), 12);
    EXPECT_EQ(rgb.GetColorCount(), 0);
    EXPECT_EQ(rgb.GetColorTable(), nullptr);
    EXPECT_EQ(rgb.GetHeader().biClrUsed, 0u);

    CDib sixteen;
    ASSERT_TRUE(sixteen.Create(3, 2, 16, 0));
    EXPECT_EQ(sixteen.GetHeader().biCompression, BI_BITFIELDS);
    ASSERT_NE(sixteen.GetColorTable(), nullptr);
    EXPECT_EQ(sixteen.GetColorTable()[0], 0xF800u);
    EXPECT_EQ(sixteen.GetColorTable()[1], 0x07E0u);
    EXPECT_EQ(sixteen.GetColorTable()[2], 0x001Fu);
    EXPECT_EQ(sixteen.GetStride(), 8);

    CDib fifteen;
    ASSERT_TRUE(fifteen.Create(3, 2, 15, 0));
    EXPECT_EQ(fifteen.GetBitCount(), 15);
    EXPECT_EQ(fifteen.GetHeader().biBitCount, 16);
    EXPECT_EQ(fifteen.GetHeader().biCompression, BI_RGB);
    EXPECT_EQ(fifteen.GetColorTable(), nullptr);
    EXPECT_EQ(fifteen.GetBytesPerPixel(), 2);
}

TEST(Dib, UnsupportedBitCountsAreRefused)
{
    CDib dib;
    EXPECT_TRUE(dib.Create(4, 4, 4, 16));
    EXPECT_FALSE(dib.Create(4, 4, 12, 0));
    EXPECT_EQ(dib.GetBlockSize(), 0u);
    CDibSection section;
    EXPECT_FALSE(section.Create(4, 4, 4, 16));
    EXPECT_FALSE(section.Create(4, 4, 1, 2));
    EXPECT_FALSE(section.IsCreated());
    EXPECT_TRUE(section.Create(4, 4, 32, 0));
}

TEST(Dib, RowsAreStoredBottomUp)
{
    CDibSection section;
    ASSERT_TRUE(section.Create(3, 4, 16, 0));
    EXPECT_EQ(section.GetStride(), 8);
    *reinterpret_cast<uint16_t*>(section.GetPixelAddress(2, 1)) = 0xABCD;
    const uint8_t* expected = section.GetBits() + (4 - 1 - 1) * 8 + 2 * 2;
    EXPECT_EQ(*reinterpret_cast<const uint16_t*>(expected), 0xABCD);
    EXPECT_EQ(section.GetRow16(1)[2], 0xABCD);

    CDib dib;
    ASSERT_TRUE(dib.Create(3, 4, 8, 256));
    *dib.GetPixelAddress(1, 0) = 9;
    EXPECT_EQ(dib.GetBits()[3 * 4 + 1], 9) << "the top row is the last in memory";
}

TEST(Dib, DrawingConvertsThroughTheColourTableAndScalesByWholePixels)
{
    CDib strip;
    ASSERT_TRUE(strip.Create(2, 1, 8, 256));
    strip.GetRgbQuads()[1] = {0xFF, 0x80, 0x10, 0};  // blue, green, red
    *strip.GetPixelAddress(0, 0) = 0;
    *strip.GetPixelAddress(1, 0) = 1;

    CDibSection target;
    ASSERT_TRUE(target.Create(6, 3, 16, 0));
    strip.Draw(target, 5, 0);
    EXPECT_EQ(target.GetRow16(0)[5], 0x0000);
    strip.StretchDraw(target, 0, 1, 4, 2, 0, 0, 2, 1);
    EXPECT_EQ(target.GetRow16(1)[1], 0x0000);
    EXPECT_EQ(target.GetRow16(1)[2], 0x141F);
    EXPECT_EQ(target.GetRow16(2)[3], 0x141F);
    EXPECT_EQ(target.GetRow16(2)[4], 0x0000) << "nothing is drawn outside the destination";

    CDib oneBit;
    ASSERT_TRUE(oneBit.Create(9, 1, 1, 2));
    oneBit.GetRgbQuads()[1] = {255, 255, 255, 0};
    oneBit.GetPixelAddress(0, 0)[1] = 0x80;  // pixel 8
    CDibSection wide;
    ASSERT_TRUE(wide.Create(9, 1, 16, 0));
    oneBit.Draw(wide, 0, 0);
    EXPECT_EQ(wide.GetRow16(0)[8], 0xFFFF);
    EXPECT_EQ(wide.GetRow16(0)[7], 0x0000);
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
    ASSERT_TRUE(canvas.Create(4, 3, 16, 0));
    CBmpDC dc(canvas);
    dc.FillSolidRect({-5, 1, 2, 10}, 0x1234);
    EXPECT_EQ(canvas.GetRow16(1)[1], 0x1234);
    EXPECT_EQ(canvas.GetRow16(2)[1], 0x1234);
    EXPECT_EQ(canvas.GetRow16(0)[1], 0);
    EXPECT_EQ(canvas.GetRow16(1)[2], 0);

    CDibSection source;
    ASSERT_TRUE(source.Create(2, 2, 16, 0));
    source.GetRow16(0)[0] = 7;
    source.GetRow16(1)[1] = 8;
    dc.BitBlt(3, 2, 2, 2, source, 0, 0);
    EXPECT_EQ(canvas.GetRow16(2)[3], 7);
    dc.BitBlt(-1, -1, 2, 2, source, 0, 0);
    EXPECT_EQ(canvas.GetRow16(0)[0], 8);
}
