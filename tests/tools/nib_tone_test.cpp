#include <gtest/gtest.h>

#include "model/stipplebox_data.h"
#include "model/stipplebox_image_selection.h"
#include "support/pixel_picture.h"
#include "tools/layer_painter.h"
#include "tools/pen_nib.h"
#include "tools/shape.h"
#include "tools/shape_pen.h"
#include "tools/tone.h"

namespace {

std::string NibPicture(int size)
{
    CPenNib nib;
    nib.SetSize(size);
    return DrawPicture(size, size, [&](int x, int y) { return nib.Covers(x, y); });
}

constexpr uint8_t kPaper = 1;
constexpr uint8_t kInk = 2;

// A layer of paper to draw ink on with the canvas's drawing operations.
struct SSheet {
    SSheet(int width, int height)
    {
        document.Create(width, height);
        Layer().Fill(kPaper);
    }
    CStippleboxLayer& Layer() { return *document.GetCurrentLayer(); }
    CStippleboxPalette& Palette() { return *document.GetCurrentPalette(); }
    CLayerPainter Painter() { return CLayerPainter(Layer(), Palette(), nib, tone, kInk); }
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

TEST(PenNib, TheMenuSizesGiveTheirTables)
{
    EXPECT_EQ(NibPicture(1), "X");
    EXPECT_EQ(NibPicture(2), "XX/XX");
    EXPECT_EQ(NibPicture(3), ".X./XXX/.X.");
    EXPECT_EQ(NibPicture(4), ".XX./XXXX/XXXX/.XX.");
    EXPECT_EQ(NibPicture(6), ".XXXX./XXXXXX/XXXXXX/XXXXXX/XXXXXX/.XXXX.");
    EXPECT_EQ(NibPicture(10),
              "...XXXX.../.XXXXXXXX./.XXXXXXXX./XXXXXXXXXX/XXXXXXXXXX/XXXXXXXXXX/XXXXXXXXXX/.XXXXXXXX./"
              ".XXXXXXXX./...XXXX...");
}

TEST(PenNib, ResizingRebuildsTheMask)
{
    CPenNib nib;
    EXPECT_EQ(nib.GetSize(), 1);
    nib.SetSize(10);
    nib.SetSize(4);
    EXPECT_EQ(DrawPicture(4, 4, [&](int x, int y) { return nib.Covers(x, y); }), ".XX./XXXX/XXXX/.XX.");
    EXPECT_EQ(nib.GetOrigin(), -2);
}

TEST(Tone, EachLevelWritesTwoPlacesFewerByThreshold)
{
    CTone tone;
    for (int level = 0; level < CTone::kLevels; ++level) {
        tone.SetLevel(uint8_t(level));
        int places = 0;
        for (int y = 0; y < 4; ++y) {
            for (int x = 0; x < 4; ++x) {
                places += tone.Allows(x, y) ? 1 : 0;
            }
        }
        EXPECT_EQ(places, 16 - 2 * level) << "level " << level;
    }
    tone.SetLevel(4);  // 50 %: thresholds 8 and above
    EXPECT_EQ(DrawPicture(4, 4, [&](int x, int y) { return tone.Allows(x, y); }), ".X.X/X.X./.X.X/X.X.");
    tone.SetLevel(7);  // 12.5 %: thresholds 14 and 15
    EXPECT_EQ(DrawPicture(4, 4, [&](int x, int y) { return tone.Allows(x, y); }), "..../..X./..../X...");
}

TEST(StampNib, AnEvenNibReachesFurtherLeftAndUp)
{
    SSheet sheet(6, 5);
    sheet.nib.SetSize(2);
    sheet.Painter().StampNib(3, 2);
    EXPECT_EQ(sheet.Inked(), "....../..XX../..XX../....../......");
}

TEST(StampNib, StampsAreClippedToTheImage)
{
    SSheet sheet(6, 6);
    sheet.nib.SetSize(10);
    sheet.Painter().StampNib(0, 0);
    EXPECT_EQ(sheet.Inked(), "XXXXX./XXXXX./XXXX../XXXX../XX..../......");
    SSheet far(4, 4);
    far.nib.SetSize(10);
    far.Painter().StampNib(-6, 20);
    EXPECT_EQ(far.Inked(), "..../..../..../....");
}

TEST(StampNib, TheToneIsAnchoredToTheImage)
{
    SSheet first(16, 16);
    SSheet moved(16, 16);
    for (SSheet* sheet : {&first, &moved}) {
        sheet->nib.SetSize(6);
        sheet->tone.SetLevel(4);
    }
    first.Painter().StampNib(5, 6);
    moved.Painter().StampNib(9, 10);  // four pixels on in x and y
    int written = 0;
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 16; ++x) {
            const bool inked = first.Layer().GetPixel(x, y) == kInk;
            written += inked ? 1 : 0;
            const bool covered = x >= 2 && x < 8 && y >= 3 && y < 9 && first.nib.Covers(x - 2, y - 3);
            EXPECT_EQ(inked, covered && first.tone.Allows(x, y)) << x << "," << y;
            if (x + 4 < 16 && y + 4 < 16) {
                EXPECT_EQ(moved.Layer().GetPixel(x + 4, y + 4), first.Layer().GetPixel(x, y));
            }
        }
    }
    EXPECT_EQ(written, 16) << "half of the 32 pixels of the nib";
}

TEST(StampNib, ASelectionKeepsTheStampInsideItsMask)
{
    SSheet sheet(6, 4);
    sheet.Layer().GetSelection().Create({1, 0, 5, 3}, ParsePicture("XXXX/X..X/XX.X"));
    sheet.nib.SetSize(6);
    sheet.Painter().StampNib(3, 2);
    EXPECT_EQ(sheet.Inked(), ".XXXX./.X..X./.XX.X./......");
}

TEST(StampNib, ColourMaskedEntriesAreProtected)
{
    SSheet sheet(4, 1);
    sheet.Layer().SetPixel(1, 0, 7);
    sheet.Palette().SetMasked(7, true);
    sheet.nib.SetSize(10);
    sheet.Painter().StampNib(1, 0);
    EXPECT_EQ(sheet.Inked(), "X.XX");
    EXPECT_EQ(sheet.Layer().GetPixel(1, 0), 7);
}

TEST(StampNib, TheDrawingPenStampsAtEveryPointOfAShape)
{
    SSheet sheet(8, 5);
    sheet.nib.SetSize(2);
    CLayerPainter painter = sheet.Painter();
    CShapePenDrawNormal pen(&painter);
    EXPECT_EQ(pen.GetSize(), 2);
    CRect dirty;
    CShapeLine(true).Draw(pen, 1, 1, 6, 3, &dirty);
    EXPECT_EQ(sheet.Inked(), "XXX...../XXXXX.../..XXXXX./....XXX./........");
    EXPECT_EQ(dirty, (CRect{0, 0, 8, 5}));
}

TEST(FillRectangle, FillsTheClippedAreaThroughToneSelectionAndColourMask)
{
    SSheet sheet(6, 4);
    sheet.Layer().SetPixel(2, 1, 7);
    sheet.Palette().SetMasked(7, true);
    EXPECT_EQ(sheet.Painter().FillRectangle({-3, 1, 4, 9}), (CRect{0, 1, 4, 4}));
    EXPECT_EQ(sheet.Inked(), "....../XX.X../XXXX../XXXX..");

    SSheet toned(8, 2);
    toned.tone.SetLevel(6);  // thresholds 12 and up
    toned.Layer().GetSelection().Create({0, 0, 5, 2}, ParsePicture("XXXX./XXXXX"));
    EXPECT_EQ(toned.Painter().FillRectangle({0, 0, 8, 2}), (CRect{0, 0, 5, 2}));
    EXPECT_EQ(toned.Inked(), "......../X.X.X...");
    EXPECT_TRUE(toned.Painter().FillRectangle({5, 0, 8, 2}).IsRectEmpty()) << "outside the selection bounds";
}

TEST(FillEllipse, FillsEachColumnBetweenTheOutlinesRowsSaveForFlatEnds)
{
    SSheet sheet(10, 6);
    sheet.Painter().FillEllipse(9, 5, 0, 0);
    EXPECT_EQ(sheet.Inked(), "..XXXXXX../.XXXXXXXX./XXXXXXXXXX/XXXXXXXXXX/.XXXXXXXX./..XXXXXX..");

    for (int w = 1; w <= 14; ++w) {
        for (int h = 1; h <= 14; ++h) {
            SSheet fill(w, h);
            fill.Painter().FillEllipse(0, 0, w - 1, h - 1);
            std::vector<CPoint> outline;
            CShapePenSelectNormal pen(&outline);
            CShapeEllipse().Draw(pen, 0, 0, w - 1, h - 1, nullptr);
            for (int x = 0; x < w; ++x) {
                int top = h, bottom = -1;
                for (const CPoint& p : outline) {
                    if (p.x == x) {
                        top = std::min(top, p.y), bottom = std::max(bottom, p.y);
                    }
                }
                for (int y = 0; y < h; ++y) {
                    const bool filled = fill.Layer().GetPixel(x, y) == kInk;
                    const bool spanned = y >= top && y <= bottom;
                    // In two-row boxes of width 8 and more the end columns'
                    // rows cross: the outline reaches them from the centre
                    // line, the fill's span there is empty.
                    ASSERT_TRUE(filled ? spanned : !spanned || (h == 2 && w >= 8 && (x == 0 || x == w - 1)))
                        << w << "x" << h << " at " << x << "," << y;
                }
            }
        }
    }
}

TEST(PaintMask, WritesWhereTheMaskIsSetIgnoringSelectionMaskAndColourMask)
{
    SSheet sheet(5, 3);
    sheet.Layer().SetPixel(1, 1, 7);
    sheet.Palette().SetMasked(7, true);
    sheet.Layer().GetSelection().Create({0, 0, 4, 3}, ParsePicture("..../..../...."));
    const std::vector<uint8_t> mask = ParsePicture("XXX/X.X/XXX");
    EXPECT_EQ(sheet.Painter().PaintMask({-1, -1, 9, 9}, mask.data(), {1, 0, 4, 3}), (CRect{1, 0, 4, 3}));
    EXPECT_EQ(sheet.Inked(), ".XXX./.X.X./.XXX.");
    EXPECT_EQ(sheet.Painter().PaintMask({0, 0, 5, 3}, mask.data(), {3, 0, 6, 3}), (CRect{3, 0, 4, 3}))
        << "clipped to the selection bounds and the mask";
}
