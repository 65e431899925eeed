#include <gtest/gtest.h>

#include <cmath>

#include "bars/command_ids.h"
#include "model/stipplebox_data.h"
#include "support/editor_fixture.h"

namespace {

// Freehand strokes drawn with the mouse, pixel-perfect on and off; the
// drawing colour is 9 ('X' below).
class PixelPerfect : public CEditorTest {
protected:
    void Draw(const PixelRows& picture, const std::vector<CPoint>& stroke, bool pixelPerfect)
    {
        Open(MakeRowsDocument({picture}));
        Command(kCmdToolFreehand);
        if (pixelPerfect != Update(kCmdPixelPerfect).GetChecked().value_or(false)) {
            Command(kCmdPixelPerfect);
        }
        canvas.Stroke(stroke);
    }
    std::vector<std::string> Inked()
    {
        PixelRows rows = GetRows(CurrentLayer());
        for (std::string& row : rows) {
            std::replace(row.begin(), row.end(), '9', 'X');
        }
        return rows;
    }
    // Inked pixels with an inked horizontal and an inked vertical neighbour:
    // the corners of L shapes.
    int CountLCorners()
    {
        const CStippleboxLayer& layer = CurrentLayer();
        const auto inked = [&](int x, int y) {
            return x >= 0 && y >= 0 && x < layer.GetWidth() && y < layer.GetHeight() && layer.GetPixel(x, y) == 9;
        };
        int corners = 0;
        for (int y = 0; y < layer.GetHeight(); ++y) {
            for (int x = 0; x < layer.GetWidth(); ++x) {
                corners += inked(x, y) && (inked(x - 1, y) || inked(x + 1, y)) && (inked(x, y - 1) || inked(x, y + 1));
            }
        }
        return corners;
    }
};

}  // namespace

TEST_F(PixelPerfect, IsOffUntilChosenAndThinsTheStaircase)
{
    const PixelRows blank(4, "0000");
    const std::vector<CPoint> staircase = {{0, 0}, {1, 0}, {1, 1}, {2, 1}, {2, 2}, {3, 2}, {3, 3}};
    Draw(blank, staircase, false);
    EXPECT_EQ(Inked(), (PixelRows{"XX00", "0XX0", "00XX", "000X"})) << "off by default";
    Draw(blank, staircase, true);
    EXPECT_EQ(Inked(), (PixelRows{"X000", "0X00", "00X0", "000X"}));
    EXPECT_EQ(UndoText(), "元に戻す:描画");
    ASSERT_TRUE(Undo());
    EXPECT_FALSE(Undo()) << "one stroke, one step";
}

TEST_F(PixelPerfect, AZigzagKeepsWhatWasUnderItsCornersAndWhereItCrossesItself)
{
    // Right, up, left, down through the first line, left along it: the last
    // corner lies on the stroke's own first line and stays inked; the first
    // corner gives back the 5 that was there.
    const PixelRows picture = {"00000", "00000", "00005"};
    const std::vector<CPoint> zigzag = {{0, 2}, {4, 2}, {4, 0}, {2, 0}, {2, 2}, {1, 2}};
    Draw(picture, zigzag, false);
    EXPECT_EQ(Inked(), (PixelRows{"00XXX", "00X0X", "XXXXX"}));
    Draw(picture, zigzag, true);
    EXPECT_EQ(Inked(), (PixelRows{"000X0", "00X0X", "XXXX5"}));
}

TEST_F(PixelPerfect, ACircleIsOnePixelThickAllAlongOnlyWithPenSizeOneWithoutTone)
{
    std::vector<CPoint> arc;
    for (int degrees = 0; degrees <= 270; degrees += 5) {
        const double angle = degrees * M_PI / 180;
        arc.push_back({int(std::lround(10 + 8 * std::cos(angle))), int(std::lround(10 + 8 * std::sin(angle)))});
    }
    const PixelRows blank(21, std::string(21, '0'));
    Draw(blank, arc, false);
    EXPECT_GT(CountLCorners(), 0);
    Draw(blank, arc, true);
    EXPECT_EQ(CountLCorners(), 0);

    // Thicker pens and tones draw every point, as without the option.
    const auto drawn = [&](bool pixelPerfect, unsigned penSize, unsigned tone) {
        Command(penSize);
        Command(tone);
        Draw(blank, arc, pixelPerfect);
        return GetRows(CurrentLayer());
    };
    EXPECT_EQ(drawn(true, kCmdPenSizeFirst + 1, kCmdToneFirst), drawn(false, kCmdPenSizeFirst + 1, kCmdToneFirst));
    EXPECT_EQ(drawn(true, kCmdPenSizeFirst, kCmdToneFirst + 4), drawn(false, kCmdPenSizeFirst, kCmdToneFirst + 4));
}
