#include <gtest/gtest.h>

#include "model/stipplebox_image_selection.h"
#include "support/paint_sheet.h"
#include "support/pixel_picture.h"
#include "tools/shape.h"
#include "tools/shape_pen.h"

namespace {

std::string NibPicture(int size)
{
    CPenNib nib;
    nib.SetSize(size);
    return DrawPicture(size, size, [&](int x, int y) { return nib.Covers(x, y); });
}

}  // namespace

TEST(PenNib, TheMenuSizesGiveTheirTables)
{
    EXPECT_EQ(NibPicture(2), "XX/XX");
    EXPECT_EQ(NibPicture(3), ".X./XXX/.X.");
    EXPECT_EQ(NibPicture(4), ".XX./XXXX/XXXX/.XX.");
    EXPECT_EQ(NibPicture(6), ".XXXX./XXXXXX/XXXXXX/XXXXXX/XXXXXX/.XXXX.");
    EXPECT_EQ(NibPicture(10),
              "...XXXX.../.XXXXXXXX./.XXXXXXXX./XXXXXXXXXX/XXXXXXXXXX/XXXXXXXXXX/XXXXXXXXXX/.XXXXXXXX./"
              ".XXXXXXXX./...XXXX...");
}

TEST(Tone, EachLevelWritesTwoPlacesFewerByThreshold)
{
    CTone tone;
    for (int level = 0; level < CTone::kLevels; ++level) {
        tone.SetLevel(uint8_t(level));
        const std::string places = DrawPicture(4, 4, [&](int x, int y) { return tone.Allows(x, y); });
        EXPECT_EQ(std::count(places.begin(), places.end(), 'X'), 16 - 2 * level) << "level " << level;
    }
    tone.SetLevel(4);  // thresholds 8 and above
    EXPECT_EQ(DrawPicture(4, 4, [&](int x, int y) { return tone.Allows(x, y); }), ".X.X/X.X./.X.X/X.X.");
    tone.SetLevel(7);  // 14 and 15
    EXPECT_EQ(DrawPicture(4, 4, [&](int x, int y) { return tone.Allows(x, y); }), "..../..X./..../X...");
}

// An even nib reaches left and up: DrawingTools' ATapWithAShapeTool.
TEST(StampNib, NibsAreClippedToTheImage)
{
    CPaintSheet corner(6, 6);
    corner.nib.SetSize(10);
    corner.Painter().StampNib(0, 0);
    corner.Painter().StampNib(-6, 20);  // wholly outside
    EXPECT_EQ(corner.Inked(), "XXXXX./XXXXX./XXXX../XXXX../XX..../......");
}

TEST(StampNib, TheToneIsAnchoredToTheImage)
{
    CPaintSheet first(16, 16), moved(16, 16);
    for (CPaintSheet* sheet : {&first, &moved}) {
        sheet->nib.SetSize(6);
        sheet->tone.SetLevel(4);
    }
    first.Painter().StampNib(5, 6);
    moved.Painter().StampNib(9, 10);  // four pixels on in x and y
    int written = 0;
    for (int y = 0; y < 12; ++y) {
        for (int x = 0; x < 12; ++x) {
            const bool inked = first.Layer().GetPixel(x, y) == CPaintSheet::kInk;
            written += inked ? 1 : 0;
            EXPECT_EQ(moved.Layer().GetPixel(x + 4, y + 4), first.Layer().GetPixel(x, y));
        }
    }
    EXPECT_EQ(written, 16) << "half of the 32 pixels of the nib";
}

TEST(StampNib, TheSelectionMaskAndColourMaskedEntriesAreKeptFrom)
{
    CPaintSheet sheet(6, 4);
    sheet.Layer().GetSelection().Create({1, 0, 5, 3}, ParsePicture("XXXX/X..X/XX.X"));
    sheet.Layer().SetPixel(2, 0, 7);
    sheet.Palette().SetMasked(7, true);
    sheet.nib.SetSize(6);
    CLayerPainter painter = sheet.Painter();
    CShapePenDrawNormal pen(&painter);  // the drawing pen stamps at every point
    EXPECT_EQ(pen.GetSize(), 6);
    CShapeLine(true).Draw(pen, 3, 2, 3, 2, nullptr);
    EXPECT_EQ(sheet.Inked(), ".X.XX./.X..X./.XX.X./......");
}

TEST(FillRectangle, FillsTheClippedAreaThroughToneSelectionAndColourMask)
{
    CPaintSheet sheet(6, 4);
    sheet.Layer().SetPixel(2, 1, 7);
    sheet.Palette().SetMasked(7, true);
    EXPECT_EQ(sheet.Painter().FillRectangle({-3, 1, 4, 9}), (CRect{0, 1, 4, 4}));
    EXPECT_EQ(sheet.Inked(), "....../XX.X../XXXX../XXXX..");

    CPaintSheet toned(8, 2);
    toned.tone.SetLevel(6);  // thresholds 12 and up
    toned.Layer().GetSelection().Create({0, 0, 5, 2}, ParsePicture("XXXX./XXXXX"));
    EXPECT_EQ(toned.Painter().FillRectangle({0, 0, 8, 2}), (CRect{0, 0, 5, 2}));
    EXPECT_EQ(toned.Inked(), "......../X.X.X...");
}

TEST(FillEllipse, FillsEachColumnBetweenTheOutlinesRowsSaveForFlatEnds)
{
    for (int w = 1; w <= 14; ++w) {
        for (int h = 1; h <= 14; ++h) {
            CPaintSheet fill(w, h);
            fill.Painter().FillEllipse(w - 1, h - 1, 0, 0);
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
                    const bool filled = fill.Layer().GetPixel(x, y) == CPaintSheet::kInk;
                    const bool spanned = y >= top && y <= bottom;
                    // In two-row boxes from width 8 the end columns' rows
                    // cross: the outline reaches them from the centre line,
                    // the fill's span there is empty.
                    ASSERT_TRUE(filled ? spanned : !spanned || (h == 2 && w >= 8 && (x == 0 || x == w - 1)))
                        << w << "x" << h << " at " << x << "," << y;
                }
            }
        }
    }
}

TEST(PaintMask, WritesWhereTheMaskIsSetIgnoringSelectionMaskAndColourMask)
{
    CPaintSheet sheet(5, 3);
    sheet.Layer().SetPixel(1, 1, 7);
    sheet.Palette().SetMasked(7, true);
    sheet.Layer().GetSelection().Create({0, 0, 4, 3}, ParsePicture("..../..../...."));
    const std::vector<uint8_t> mask = ParsePicture("XXX/X.X/XXX");
    EXPECT_EQ(sheet.Painter().PaintMask({-1, -1, 9, 9}, mask.data(), {1, 0, 4, 3}), (CRect{1, 0, 4, 3}));
    EXPECT_EQ(sheet.Inked(), ".XXX./.X.X./.XXX.");
}

TEST(FillEllipse, AnEllipseLyingAboveTheImageLeavesItsTopRowAlone)
{
    for (int top = -20; top <= -1; ++top) {
        CPaintSheet sheet(16, 4);
        sheet.Painter().FillEllipse(0, top, 15, -1);
        EXPECT_EQ(sheet.Inked().find('X'), std::string::npos) << top;
        std::vector<CPoint> outline;
        CShapePenSelectNormal pen(&outline);
        CShapeEllipse().Draw(pen, 0, top, 15, -1, nullptr);
        EXPECT_TRUE(std::all_of(outline.begin(), outline.end(), [](CPoint p) { return p.y < 0; })) << top;
    }
}
