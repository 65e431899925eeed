#include <gtest/gtest.h>

#include <array>
#include <map>
#include <numeric>
#include <tuple>

#include "bars/command_ids.h"
#include "model/stipplebox_data.h"
#include "platform/text_painter.h"
#include "support/editor_fixture.h"
#include "views/fit_rect.h"
#include "views/layer_wnd.h"

namespace {

constexpr DisplayPixel kCurrentFill = MakeDisplayPixel(192, 220, 252);
constexpr DisplayPixel kCurrentFrame = MakeDisplayPixel(51, 153, 255);
constexpr DisplayPixel kGrey = MakeDisplayPixel(128, 128, 128);

// Remembers the last text drawn in each place.
class CRecordingTextPainter final : public ITextPainter {
public:
    void DrawText(CDibSection&, const CRect& rect, const std::string& text, ETextAlign align, DisplayPixel) override
    {
        drawn[{rect.left, rect.top}] = {text, align};
    }
    std::map<std::pair<int, int>, std::pair<std::string, ETextAlign>> drawn;
};

DisplayPixel Grey(int level)
{
    return MakeDisplayPixel(uint8_t(level), uint8_t(level), uint8_t(level));
}

// Four 3 × 2 layers on a greyscale palette; the layer window is open at 320 ×
// 240 client pixels. At display scale 2 a row is 40 pixels high and the
// columns span 0–56, 56–92, 92–128, 128–272 and 272–320.
class LayerWindow : public CEditorTest {
protected:
    LayerWindow() : m_rememberedDelay(CDelay::GetRememberedDelay())
    {
        SetTextPainter(&text);
        Open(MakeRowsDocument({{"123", "456"}, {"789", "ABC"}, {"000", "000"}, {"FFF", "FFF"}}));
        Command(kCmdLayerWindow);
        list = &Window()->GetList();
        Frame().Resize({336, 240});  // the list beside its scroll bar
        host = &Frame().ChildHost(*list);
    }
    ~LayerWindow() override
    {
        SetTextPainter(nullptr);
        CDelay::SetRememberedDelay(m_rememberedDelay);
    }

    CLayerWnd* Window() { return dialog.GetToolWindows().GetLayerWnd(); }
    CHeadlessToolWindow& Frame() { return static_cast<CHeadlessToolWindow&>(*Window()->GetHost()); }
    static CPoint Cell(int row, int column)
    {
        static const int centres[] = {28, 74, 110, 200, 296};
        return {centres[column], row * 40 + 20};
    }
    void Tap(CPoint point)
    {
        list->OnLButtonDown(MK_LBUTTON, point);
        list->OnLButtonUp(0, point);
    }
    void Drag(const std::vector<CPoint>& points)
    {
        list->OnLButtonDown(MK_LBUTTON, points.front());
        for (const CPoint& point : points) {
            list->OnMouseMove(MK_LBUTTON, point);
        }
        list->OnLButtonUp(0, points.back());
    }
    DisplayPixel At(int x, int y) const { return list->GetBackBuffer()->GetDisplayRow(y)[x]; }
    std::string TextAt(int row, int column) const
    {
        const int left = column == CLayerListCtrl::kColumnName ? 130 : 274;
        const auto found = text.drawn.find({left, row * 40});
        return found == text.drawn.end() ? "" : found->second.first;
    }
    // Whether a mark is drawn in the cell: any pixel but the row's own.
    bool HasMark(int row, int column) const
    {
        const auto [left, right] = list->GetColumnSpan(column);
        const DisplayPixel face = At(left + 1, row * 40 + 1);
        for (int y = row * 40 + 1; y < row * 40 + 38; ++y) {
            for (int x = left + 1; x < right - 2; ++x) {
                if (At(x, y) != face) {
                    return true;
                }
            }
        }
        return false;
    }
    std::vector<std::u16string> Names()
    {
        std::vector<std::u16string> names;
        for (int i = 0; i < Document().GetLayers()->GetSize(); ++i) {
            names.push_back(Layer(i).GetLayerName());
        }
        return names;
    }

    CRecordingTextPainter text;
    CLayerListCtrl* list = nullptr;
    CHeadlessWindowHost* host = nullptr;

private:
    int32_t m_rememberedDelay;
};

}  // namespace

TEST(FitImageInBox, KeepsSmallImagesAndShrinksLargeOnesKeepingTheirShapeCentred)
{
    const CRect box{10, 20, 60, 50};  // 50 × 30
    for (const auto& [image, placed] : {
             std::tuple{CSize{3, 2}, CRect{33, 34, 36, 36}},
             {CSize{100, 30}, CRect{10, 27, 60, 42}},   // wider than the box: full width
             {CSize{40, 120}, CRect{30, 20, 40, 50}},   // taller: full height
             {CSize{1000, 1}, CRect{10, 34, 60, 35}},   // never thinner than a pixel
             {CSize{50, 30}, CRect{10, 20, 60, 50}},
         }) {
        EXPECT_EQ(FitImageInBox(image, box), placed) << image.cx << "x" << image.cy;
    }
}

TEST(LayerThumbnail, SamplesAtTheRunningSumOfTheStep)
{
    CStippleboxLayer layer;
    layer.Create(10, 7);
    std::iota(layer.GetPixels(), layer.GetPixels() + 70, uint8_t{0});  // pixel (x, y) is 10y + x
    std::array<DisplayPixel, 256> colors{};
    std::iota(colors.begin(), colors.end(), DisplayPixel(1000));
    CLayerThumbnail thumbnail;
    thumbnail.Sample(layer, colors.data(), {3, 3});
    // Steps 10/3 and 7/3: columns 0, 3, 6 and rows 0, 2, 4.
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 3; ++x) {
            EXPECT_EQ(thumbnail.GetRow(y)[x], DisplayPixel(1000 + 20 * y + 3 * x)) << x << "," << y;
        }
    }
}

TEST_F(LayerWindow, PaintsOneRowALayerWithItsThumbnailNameAndDelay)
{
    EXPECT_EQ(At(0, 0), kCurrentFrame);
    EXPECT_EQ(At(150, 5), kCurrentFill);
    EXPECT_EQ(At(150, 45), kDisplayWhite);
    EXPECT_EQ(At(150, 79), kDisplayBlack) << "the line under a row";
    EXPECT_EQ(At(319, 50), kDisplayBlack) << "the line at the right";
    EXPECT_EQ(At(55, 50), kGrey) << "column separator";
    EXPECT_EQ(At(1, 41), kDisplayBlack) << "the thumbnail's frame";
    EXPECT_EQ(At(2, 42), kDisplayWhite) << "around the thumbnail";
    // A 3 × 2 layer fits the 51 × 35 box as it is, centred at (26, 18).
    EXPECT_EQ(At(26, 40 + 18), Grey(7));
    EXPECT_EQ(At(28, 40 + 19), Grey(12));
    EXPECT_EQ(text.drawn.at({274, 40}).second, ETextAlign::kRight) << "the delay, right-aligned";

    // Visible but not shown in the display mode: the other mark.
    const auto visibilityCell = [this] {
        std::vector<DisplayPixel> cell;
        for (int y = 40; y < 80; ++y) {
            for (int x = 56; x < 92; ++x) {
                cell.push_back(At(x, y));
            }
        }
        return cell;
    };
    const std::vector<DisplayPixel> shown = visibilityCell();
    Command(kCmdLayerDisplayModeFirst + 1);
    EXPECT_NE(visibilityCell(), shown);
    EXPECT_TRUE(HasMark(1, CLayerListCtrl::kColumnVisibility));
    Command(kCmdLayerDisplayModeFirst);
    EXPECT_EQ(visibilityCell(), shown);

    Command(kCmdLayerAdd);
    EXPECT_EQ(list->GetRowCount(), 5);
    EXPECT_EQ(At(150, 5), kCurrentFill) << "the new layer is on top and current";
    EXPECT_EQ(At(150, 45), kDisplayWhite);
}

TEST_F(LayerWindow, PaintingVisibilityGivesEveryRowPassedTheFirstRowsNewStateWithoutAnUndoStep)
{
    Layer(2).SetVisible(false);
    list->RefreshRows();
    EXPECT_TRUE(HasMark(1, CLayerListCtrl::kColumnVisibility));
    EXPECT_FALSE(HasMark(2, CLayerListCtrl::kColumnVisibility));
    Drag({Cell(0, 1), Cell(1, 1), Cell(2, 1), Cell(3, 1)});
    EXPECT_FALSE(HasMark(1, CLayerListCtrl::kColumnVisibility));
    for (int i = 0; i < 4; ++i) {
        EXPECT_FALSE(Layer(i).IsVisible()) << i;
    }
    EXPECT_EQ(UndoText(), "元に戻す");
    EXPECT_EQ(Document().GetLayers()->GetCurrentIndex(), 0);
    // Every layer hidden: the canvas shows index 0 everywhere.
    EXPECT_EQ(dialog.GetImageEditWnd().GetLayerCache().GetPixels()[0], 0);
}

TEST_F(LayerWindow, TapsLinkLayersAndChooseTheCurrentOne)
{
    Tap(Cell(0, 2));
    EXPECT_EQ(UndoText(), "元に戻す") << "the current layer does not link with itself";
    EXPECT_FALSE(HasMark(2, CLayerListCtrl::kColumnLink));
    Tap(Cell(2, 2));
    EXPECT_EQ(Layer(2).GetLinkID(), Layer(0).GetLinkID());
    EXPECT_TRUE(HasMark(2, CLayerListCtrl::kColumnLink));
    EXPECT_EQ(UndoText(), "元に戻す:レイヤリンク");

    Tap(Cell(3, 3));
    EXPECT_EQ(Document().GetLayers()->GetCurrentIndex(), 3);
    EXPECT_EQ(UndoText(), "元に戻す:カレントレイヤ変更");
    EXPECT_EQ(At(150, 125), kCurrentFill);
    EXPECT_EQ(At(150, 5), kDisplayWhite) << "the old current row is painted plain";
    EXPECT_FALSE(Frame().IsClosePosted()) << "a pinned window stays open";
}

TEST_F(LayerWindow, UnpinnedItClosesAfterATapThatChoseAnotherLayer)
{
    Window()->OnCommand(kCmdWindowPin);
    Tap(Cell(0, 3));
    EXPECT_FALSE(Frame().IsClosePosted()) << "tapping the current row changes nothing";
    EXPECT_EQ(UndoText(), "元に戻す");
    Tap(Cell(1, 0));
    EXPECT_EQ(Document().GetLayers()->GetCurrentIndex(), 1);
    Frame().DeliverPostedClose();
    EXPECT_EQ(Window(), nullptr);
    EXPECT_FALSE(Update(kCmdLayerWindow).GetChecked().value_or(true));
}

TEST_F(LayerWindow, DraggingARowMovesTheCurrentLayerToTheInsertionBar)
{
    const std::vector<std::u16string> before = Names();
    list->OnLButtonDown(MK_LBUTTON, Cell(0, 3));
    list->OnMouseMove(MK_LBUTTON, {188, 100});
    list->OnMouseMove(MK_LBUTTON, {188, 125});
    EXPECT_EQ(list->GetShownInsertPosition(), 3);
    // The bar is 6 pixels of inverted rows across the list at y 117–122.
    EXPECT_EQ(At(150, 117), InvertDisplayPixel(kDisplayWhite));
    EXPECT_EQ(At(150, 119), InvertDisplayPixel(kDisplayBlack));
    EXPECT_EQ(At(150, 123), kDisplayWhite);
    list->OnLButtonUp(0, {188, 125});
    EXPECT_FALSE(list->GetShownInsertPosition());
    EXPECT_EQ(Names(), (std::vector{before[1], before[2], before[0], before[3]}));
    EXPECT_EQ(Document().GetLayers()->GetCurrentIndex(), 2);
    EXPECT_EQ(UndoText(), "元に戻す:レイヤ順序");
    EXPECT_EQ(At(150, 90), kCurrentFill);

    EXPECT_TRUE(Undo());
    // A drag back to where it began builds a command the history refuses.
    Drag({Cell(0, 3), {188, 60}, {188, 15}});
    EXPECT_EQ(Names(), before);
    EXPECT_EQ(UndoText(), "元に戻す");
    EXPECT_EQ(At(150, 17), kCurrentFill) << "no bar left behind";
}

TEST_F(LayerWindow, CommandsRepaintTheRowsTheyChange)
{
    dialogs.layerProperty = [](CLayerPropertyDlg& properties) {
        properties.SetName(u"歩く");
        properties.SetUnit(8);  // milliseconds
    };
    Layer(0).GetDelay().SetDelay(600, 0, false);  // 1/10 s
    Command(kCmdLayerProperty);
    EXPECT_EQ(TextAt(0, CLayerListCtrl::kColumnName), "歩く");
    EXPECT_EQ(TextAt(0, CLayerListCtrl::kColumnDelay), "100");
    EXPECT_EQ(TextAt(2, CLayerListCtrl::kColumnDelay), std::to_string(Layer(2).GetDelay().GetDelay(8)));
    EXPECT_EQ(UndoText(), "元に戻す:レイヤプロパティ");

    dialogs.delayAll = [](CDelayAllDlg& delays) {
        delays.SetUnit(7);  // 1/100 s, for the document too
        delays.SetDelay(25);
    };
    Command(kCmdDelayAll);
    for (int row = 0; row < 4; ++row) {
        EXPECT_EQ(TextAt(row, CLayerListCtrl::kColumnDelay), "25") << row;
    }
    EXPECT_EQ(Update(kCmdDelayUnitFirst + 6).GetChecked(), true) << "the menu checks the document's unit";
    Command(kCmdDelayUnitFirst);  // 1/10 s
    EXPECT_EQ(Update(kCmdDelayUnitFirst + 6).GetChecked(), false);
    EXPECT_EQ(TextAt(3, CLayerListCtrl::kColumnDelay), "2");
    Undo();
    EXPECT_EQ(TextAt(3, CLayerListCtrl::kColumnDelay), std::to_string(Layer(3).GetDelay().GetDelay(1)));

    Command(kCmdLayerDown);
    EXPECT_EQ(At(150, 45), kCurrentFill);
    EXPECT_EQ(At(150, 5), kDisplayWhite);
}

TEST_F(LayerWindow, AnEditRefreshesTheThumbnailsOfTheLayersItChanged)
{
    host->ClearPresented();
    canvas.Stroke({{0, 0}, {0, 0}});  // the scroll tool is current: nothing changes
    EXPECT_TRUE(host->GetPresented().empty());
    Command(kCmdToolFreehand);
    canvas.Stroke({{0, 0}, {1, 0}});
    EXPECT_EQ(At(26, 18), Grey(9)) << "the drawing colour";
    for (const CRect& presented : host->GetPresented()) {
        EXPECT_LE(presented.bottom, 40) << "only the current row's thumbnail";
        EXPECT_LE(presented.right, 56) << "only the current row's thumbnail";
    }
    Undo();
    EXPECT_EQ(At(26, 18), Grey(1));

    // Colours change every thumbnail.
    Document().GetCurrentPalette()->SetColor(12, SPaletteColor::FromRgb(0x102030));
    dialog.OnPaletteChanged(true, false, false, false);
    EXPECT_EQ(At(28, 40 + 19), MakeDisplayPixel(0x10, 0x20, 0x30));
}
