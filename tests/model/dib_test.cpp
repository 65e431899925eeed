#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "model/bmp_dc.h"
#include "model/dib.h"
#include "model/dib_section.h"

// Rows pad to four bytes; a partial table counts its colours; 16 bits carry
// the three masks where the table would be; 15 bits are stored as plain 16.
TEST(Dib, LayoutsPadRowsAndCarryTheTableOrMasksTheirDepthNeeds)
{
    const struct {
        int width, height, bits, colors;
        int stride;
        uint32_t blockSize, clrUsed, compression;
        bool table;
    } cases[] = {
        {5, 3, 8, 256, 8, 40 + 1024 + 24, 0, BI_RGB, true}, {2, 2, 4, 5, 4, 40 + 20 + 8, 5, BI_RGB, true},
        {3, 2, 24, 256, 12, 0, 0, BI_RGB, false},           {3, 2, 16, 0, 8, 0, 0, BI_BITFIELDS, true},
        {3, 2, 15, 0, 8, 0, 0, BI_RGB, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.bits);
        CDib dib;
        ASSERT_TRUE(dib.Create(c.width, c.height, c.bits, c.colors));
        const BITMAPINFOHEADER header = dib.GetHeader();
        EXPECT_EQ(dib.GetStride(), c.stride);
        if (c.blockSize != 0) {
            EXPECT_EQ(dib.GetBlockSize(), c.blockSize);
        }
        EXPECT_EQ(header.biSize, 40u);
        EXPECT_EQ((CSize{header.biWidth, header.biHeight}), (CSize{c.width, c.height}));
        EXPECT_EQ(header.biPlanes, 1);
        EXPECT_EQ(header.biBitCount, c.bits == 15 ? 16 : c.bits);
        EXPECT_EQ(dib.GetBitCount(), c.bits);
        EXPECT_EQ(header.biCompression, c.compression);
        EXPECT_EQ(header.biClrUsed, c.clrUsed);
        EXPECT_EQ(dib.GetColorTable() != nullptr, c.table);
    }

    CDib eight;
    ASSERT_TRUE(eight.Create(5, 3, 8, 256));
    EXPECT_EQ(std::vector<uint32_t>(eight.GetColorTable(), eight.GetColorTable() + 256), std::vector<uint32_t>(256, 0));
    EXPECT_EQ(eight.GetBits(), eight.GetBlock() + 40 + 1024);
    CDib sixteen;
    ASSERT_TRUE(sixteen.Create(3, 2, 16, 0));
    EXPECT_EQ(std::vector<uint32_t>(sixteen.GetColorTable(), sixteen.GetColorTable() + 3),
              (std::vector<uint32_t>{0xF800, 0x07E0, 0x001F}));
    CDib rgb;
    ASSERT_TRUE(rgb.Create(3, 2, 24, 256));
    EXPECT_EQ(rgb.GetColorCount(), 0);
    CDib fifteen;
    ASSERT_TRUE(fifteen.Create(3, 2, 15, 0));
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

TEST(Dib, DrawingConvertsThroughTheColourTableAndScalesByWholePixels)
{
    CDib strip;
    ASSERT_TRUE(strip.Create(2, 1, 8, 256));
    strip.GetRgbQuads()[1] = {0xFF, 0x80, 0x10, 0};  // blue, green, red
    *strip.GetPixelAddress(0, 0) = 0;
    *strip.GetPixelAddress(1, 0) = 1;

    CDibSection target;
    ASSERT_TRUE(target.Create(6, 3, kDisplayBitCount, 0));
    strip.Draw(target, 5, 0);
    EXPECT_EQ(target.GetDisplayRow(0)[5], kDisplayBlack);
    strip.StretchDraw(target, 0, 1, 4, 2, 0, 0, 2, 1);
    const DisplayPixel exact = MakeDisplayPixel(0x10, 0x80, 0xFF);
    EXPECT_EQ(target.GetDisplayRow(1)[1], kDisplayBlack);
    EXPECT_EQ(target.GetDisplayRow(1)[2], exact) << "table colours reach the surface unrounded";
    EXPECT_EQ(target.GetDisplayRow(2)[3], exact);
    EXPECT_EQ(target.GetDisplayRow(2)[4], kDisplayBlack) << "nothing is drawn outside the destination";

    CDib oneBit;
    ASSERT_TRUE(oneBit.Create(9, 1, 1, 2));
    oneBit.GetRgbQuads()[1] = {255, 255, 255, 0};
    oneBit.GetPixelAddress(0, 0)[1] = 0x80;  // pixel 8
    CDibSection wide;
    ASSERT_TRUE(wide.Create(9, 1, kDisplayBitCount, 0));
    oneBit.Draw(wide, 0, 0);
    EXPECT_EQ(wide.GetDisplayRow(0)[8], kDisplayWhite);
    EXPECT_EQ(wide.GetDisplayRow(0)[7], kDisplayBlack);
}

TEST(Dib, SixteenBitPixelsWidenToFullIntensity)
{
    struct SCase {
        int bitCount;
        uint16_t pixel;
        DisplayPixel shown;
    };
    for (const SCase& c : {SCase{16, 0xF800, MakeDisplayPixel(255, 0, 0)}, SCase{16, 0x07E0, MakeDisplayPixel(0, 255, 0)},
                           SCase{16, 0x0010, MakeDisplayPixel(0, 0, 132)}, SCase{15, 0x7C1F, MakeDisplayPixel(255, 0, 255)},
                           SCase{15, 0x0200, MakeDisplayPixel(0, 132, 0)}}) {
        CDib source;
        ASSERT_TRUE(source.Create(1, 1, c.bitCount, 0));
        std::memcpy(source.GetPixelAddress(0, 0), &c.pixel, sizeof c.pixel);
        CDibSection target;
        ASSERT_TRUE(target.Create(1, 1, kDisplayBitCount, 0));
        source.Draw(target, 0, 0);
        EXPECT_EQ(target.GetDisplayRow(0)[0], c.shown) << c.bitCount << " bits, pixel " << c.pixel;
    }
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
