#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <vector>

#include "app/new_document.h"
#include "model/dib_section.h"
#include "model/stipplebox_data.h"
#include "model/stipplebox_image_selection.h"
#include "model/stipplebox_palette.h"
#include "platform/headless_window_host.h"
#include "views/image_edit_wnd.h"

namespace {

constexpr DisplayPixel kBlack = kDisplayBlack;
constexpr DisplayPixel kWhite = kDisplayWhite;
constexpr DisplayPixel kTileGrey = MakeDisplayPixel(220, 220, 220);

// A greyscale document (index i is grey i, background 255) on a canvas whose
// image starts at the top-left of the client area.
class CCanvas {
public:
    CCanvas(int width, int height, CSize client)
        : document(CreateNewDocument(width, height, ENewDocumentPalette::Greyscale, ENewDocumentBackground::White)),
          host(window)
    {
        window.SetOverscroll(true);
        window.AttachDocument(document.get());
        window.OnSize(client.cx, client.cy);
    }

    void Show(int zoom, bool grid)
    {
        window.SetZoom(zoom, true);
        window.SetScroll(0, 0, true);
        window.SetGridShown(grid);
    }
    DisplayPixel At(int x, int y) const { return window.GetBackBuffer()->GetDisplayRow(y)[x]; }
    static DisplayPixel Grey(int index) { return MakeDisplayPixel(uint8_t(index), uint8_t(index), uint8_t(index)); }
    CStippleboxLayer& Layer() { return *document->GetCurrentLayer(); }

    std::unique_ptr<CStippleboxData> document;
    CImageEditWnd window;
    CHeadlessWindowHost host;
};

}  // namespace

TEST(CanvasPainting, EveryImagePixelFillsItsBlockAndTheTileSurroundsTheImage)
{
    CCanvas canvas(3, 2, {120, 80});
    for (int i = 0; i < 6; ++i) {
        canvas.Layer().GetPixels()[i] = uint8_t(10 * (i + 1));
    }
    canvas.Show(1, true);
    EXPECT_EQ(canvas.At(0, 0), CCanvas::Grey(10));
    EXPECT_EQ(canvas.At(2, 1), CCanvas::Grey(60));
    EXPECT_EQ(canvas.At(7, 0), kTileGrey) << "the tile lies right of the image";

    canvas.Show(32, false);
    for (const CPoint p : {CPoint{0, 0}, CPoint{31, 31}, CPoint{32, 0}, CPoint{95, 63}}) {
        const int index = 10 * (p.y / 32 * 3 + p.x / 32 + 1);
        EXPECT_EQ(canvas.At(p.x, p.y), CCanvas::Grey(index)) << p.x << "," << p.y;
    }
    EXPECT_NE(canvas.At(96, 0), CCanvas::Grey(10));

    canvas.document->GetCurrentPalette()->SetColor(60, {0, 0, 255});
    canvas.window.RepaintAll(false);
    EXPECT_EQ(canvas.At(95, 63), MakeDisplayPixel(255, 0, 0)) << "a changed palette colour shows at the next repaint";
}

// The palette reaches the file and back exactly: the round-trip property.
TEST(CanvasPainting, NearColoursOfAnAttachedPictureShowExactlyAsThePaletteHoldsThem)
{
    // A ramp whose neighbours differ by 1, 3 and 7 in the three channels.
    std::unique_ptr<CStippleboxData> ramp = CreateNewDocument(16, 16, ENewDocumentPalette::Greyscale,
                                                              ENewDocumentBackground::White);
    for (int i = 0; i < 16; ++i) {
        ramp->GetCurrentPalette()->SetColor(i, {uint8_t(40 + 7 * i), uint8_t(210 - 3 * i), uint8_t(250 - i)});
        for (int x = 0; x < 16; ++x) {
            ramp->GetCurrentLayer()->SetPixel(x, i, uint8_t((x + i) % 16));
        }
    }
    CCanvas canvas(16, 16, {300, 300});
    canvas.document = std::move(ramp);
    canvas.window.AttachDocument(canvas.document.get());
    for (const int zoom : {1, 16}) {
        canvas.Show(zoom, false);
        for (int y = 0; y < 16; ++y) {
            for (int x = 0; x < 16; ++x) {
                const SPaletteColor& entry = canvas.document->GetCurrentPalette()->GetColor((x + y) % 16);
                ASSERT_EQ(canvas.At(x * zoom + zoom / 2, y * zoom + zoom / 2),
                          MakeDisplayPixel(entry.red, entry.green, entry.blue))
                    << "zoom " << zoom << ", pixel " << x << "," << y;
            }
        }
    }
}

TEST(CanvasPainting, ThePixelGridTakesTheTopRowAndLeftColumnOfEveryBlockFromZoomEight)
{
    CCanvas canvas(40, 20, {400, 200});
    canvas.Layer().Fill(100);
    canvas.Show(4, true);
    EXPECT_EQ(canvas.At(4, 4), CCanvas::Grey(100)) << "no pixel grid below its minimum zoom";
    EXPECT_EQ(canvas.At(4, 0), CCanvas::Grey(100)) << "nor the interval grid";

    canvas.Show(8, true);
    EXPECT_EQ(canvas.At(9, 8 + 1), CCanvas::Grey(100));
    EXPECT_EQ(canvas.At(15, 15), CCanvas::Grey(100));
    EXPECT_EQ(canvas.At(8 + 3, 8), kBlack) << "top row of a block";
    EXPECT_EQ(canvas.At(8, 8 + 5), kBlack) << "left column of a block";
    // Image row 0 and column 16 carry the interval grid's dashes: four black,
    // four white, counted along the line from the image's edge.
    EXPECT_EQ(canvas.At(3, 0), kBlack);
    EXPECT_EQ(canvas.At(4, 0), kWhite);
    EXPECT_EQ(canvas.At(12, 0), kWhite);
    EXPECT_EQ(canvas.At(16 * 8, 8 + 4), kWhite);
    EXPECT_EQ(canvas.At(16 * 8, 8 + 3), kBlack);

    canvas.window.SetScroll(1, 1, false);
    canvas.window.RepaintAll(false);
    EXPECT_EQ(canvas.At(15 * 8, 3), kBlack) << "the dashes stay with the image when it scrolls";
    EXPECT_EQ(canvas.At(15 * 8, 4), kWhite);
}

TEST(CanvasPainting, RefreshingAPixelAtZoom32FillsItsBlockAndLeavesTheGrid)
{
    for (const bool grid : {false, true}) {
        CCanvas canvas(8, 8, {300, 300});
        canvas.Show(32, grid);
        canvas.Layer().SetPixel(2, 1, 7);
        canvas.host.ClearPresented();
        canvas.window.Refresh({2, 1, 3, 2}, true, true, false, false);
        const int inset = grid ? 1 : 0;
        int painted = 0;
        for (int y = 32; y < 64; ++y) {
            for (int x = 64; x < 96; ++x) {
                painted += canvas.At(x, y) == CCanvas::Grey(7) ? 1 : 0;
            }
        }
        EXPECT_EQ(painted, (32 - inset) * (32 - inset)) << "grid " << grid;
        if (grid) {
            EXPECT_EQ(canvas.At(70, 32), kBlack);
            EXPECT_EQ(canvas.At(64, 40), kBlack);
        }
        EXPECT_EQ(canvas.host.GetPresented(), (std::vector<CRect>{{64, 32, 96, 64}}));
    }
}

TEST(CanvasPainting, AStrokeRefreshLeavesGridLinesAndDashesIntact)
{
    CCanvas canvas(32, 32, {300, 300});
    canvas.Show(8, true);
    canvas.document->SetDrawingColor(3);
    canvas.window.FillRectangle({0, 0, 20, 20}, true);
    EXPECT_EQ(canvas.At(9, 9), CCanvas::Grey(3));
    EXPECT_EQ(canvas.At(9, 8), kBlack);
    EXPECT_EQ(canvas.At(5, 0), kWhite) << "interval dash on the top row";
    EXPECT_EQ(canvas.At(16 * 8, 9 * 8 + 5), kWhite) << "interval dash on column 16";
}

TEST(CanvasPainting, OnionSkinShowsTheLayerBehindFaintlyExceptAtTheLastLayer)
{
    CCanvas canvas(2, 1, {50, 50});
    CStippleboxData& document = *canvas.document;
    CStippleboxLayer* behind = document.GetLayers()->NewLayer(1, 2, 1);
    behind->Fill(100);
    canvas.Layer().SetPixel(0, 0, 40);  // opaque; pixel 1 stays the background 255
    document.SetOnionSkin(true);
    canvas.window.GetLayerCache().Rebuild();
    canvas.Show(1, false);
    EXPECT_EQ(canvas.At(0, 0), CCanvas::Grey(40));
    EXPECT_EQ(canvas.At(1, 0), CCanvas::Grey((100 + 255) >> 1));

    document.GetLayers()->SetCurrentIndex(1);
    canvas.window.GetLayerCache().Rebuild();
    canvas.window.RepaintAll(false);
    EXPECT_EQ(canvas.At(0, 0), CCanvas::Grey(100)) << "the last layer alone";
    EXPECT_EQ(canvas.At(1, 0), CCanvas::Grey(100));
}

TEST(CanvasPainting, SelectorPointsTakeTheContrastOfThePixelUnderThem)
{
    CCanvas canvas(4, 4, {100, 100});
    canvas.Layer().SetPixel(1, 1, 10);
    canvas.window.GetSelector().Append(1, 1);
    canvas.window.GetSelector().Append(9, 9);  // off the image: ignored
    canvas.Show(8, true);
    EXPECT_EQ(canvas.At(8 + 1, 8 + 1), CCanvas::Grey(138));
    EXPECT_EQ(canvas.At(8 + 7, 8 + 7), CCanvas::Grey(138));
    EXPECT_EQ(canvas.At(8 + 3, 8), kBlack) << "the point keeps to the grid's cell";
}

TEST(CanvasBackup, RemappingReachesEveryPlaneAndTheBackup)
{
    CCanvas canvas(4, 4, {100, 100});
    canvas.Layer().Fill(5);
    canvas.window.RefreshBackup();
    CStippleboxImageSelection& selection = canvas.Layer().GetSelection();
    selection.Create({0, 0, 2, 2});
    std::fill(selection.GetFloating().begin(), selection.GetFloating().end(), 5);
    std::fill(selection.GetUnderneath().begin(), selection.GetUnderneath().end(), 6);
    std::array<uint8_t, 256> table{};
    for (int i = 0; i < 256; ++i) {
        table[i] = uint8_t(255 - i);
    }
    canvas.window.RemapIndices(table);
    EXPECT_EQ(canvas.Layer().GetPixel(3, 3), 250);
    EXPECT_EQ(selection.GetFloating()[3], 250);
    EXPECT_EQ(selection.GetUnderneath()[0], 249);
    EXPECT_EQ(canvas.window.GetBackup()[0], 250) << "the backup follows the layer";
    EXPECT_EQ(canvas.window.GetLayerCache().GetPixels()[15], 250);
    CRect rect{0, 0, 4, 4};
    EXPECT_TRUE(canvas.window.ClipToEditArea(rect, true, false, true));
    EXPECT_EQ(rect, (CRect{0, 0, 2, 2})) << "drawing keeps to the selection's rectangle";
}

TEST(CanvasSelectionFrame, MarchesTwiceASecondAndStopsWhenTheSelectionGoes)
{
    CCanvas canvas(8, 8, {100, 100});
    canvas.Layer().GetSelection().Create({1, 1, 3, 3});
    canvas.window.RebuildSelectionFrame();
    canvas.Show(8, false);
    ASSERT_TRUE(canvas.host.IsTimerRunning(CImageEditWnd::kFrameTimerId));
    // The outline starts along the top-left pixel's top edge at phase 0:
    // four black, four white, four black...
    EXPECT_EQ(canvas.At(11, 8), kBlack);
    EXPECT_EQ(canvas.At(12, 8), kWhite);
    EXPECT_EQ(canvas.At(16, 8), kBlack);
    canvas.host.ClearPresented();
    ASSERT_TRUE(canvas.host.FireTimer(CImageEditWnd::kFrameTimerId));
    EXPECT_EQ(canvas.window.GetFramePhase(), 255);
    EXPECT_EQ(canvas.At(12, 8), kBlack) << "the dashes moved one step";
    EXPECT_EQ(canvas.At(16, 8), kWhite);
    EXPECT_EQ(canvas.host.GetPresented(), (std::vector<CRect>{{8, 8, 24, 24}}));

    canvas.Layer().GetSelection().Clear();
    canvas.host.FireTimer(CImageEditWnd::kFrameTimerId);
    EXPECT_FALSE(canvas.host.IsTimerRunning(CImageEditWnd::kFrameTimerId));
}
