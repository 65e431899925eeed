#include <gtest/gtest.h>

#include <random>

#include "model/geometry.h"
#include "model/layer_cache.h"
#include "model/onion_skin_colors.h"
#include "model/stipplebox_data.h"

namespace {

constexpr uint8_t kTransparent = 0;

// A document of `count` layers with random pixels, a quarter of them the
// transparent index, bound to a cache.
class LayerCacheTest : public ::testing::Test {
protected:
    void MakeLayers(int count, int width = 8, int height = 6)
    {
        document.Create(width, height);
        for (int i = 1; i < count; ++i) {
            document.GetLayers()->NewLayer(i, width, height);
        }
        std::mt19937 random(11);
        for (int i = 0; i < count; ++i) {
            CStippleboxLayer& layer = Layer(i);
            for (int p = 0; p < width * height; ++p) {
                layer.GetPixels()[p] = random() % 4 == 0 ? kTransparent : uint8_t(1 + random() % 200);
            }
        }
        document.SetBackgroundColor(kTransparent);
        cache.SetDocument(&document);
    }
    CStippleboxLayer& Layer(int i) { return *document.GetLayers()->GetAt(i); }
    void SetCurrent(int i) { document.GetLayers()->SetCurrentIndex(i); }

    // What the user should see: at each pixel the frontmost displayed layer
    // that is not transparent there, else the transparent index, else (no
    // layer displayed) 0.
    std::vector<uint8_t> Expected(const std::vector<int>& displayed)
    {
        const uint8_t t = document.GetBackgroundColor();
        std::vector<uint8_t> picture(size_t(document.GetWidth()) * document.GetHeight(), displayed.empty() ? 0 : t);
        for (size_t p = 0; p < picture.size(); ++p) {
            for (const int index : displayed) {  // front to back
                if (Layer(index).GetPixels()[p] != t) {
                    picture[p] = Layer(index).GetPixels()[p];
                    break;
                }
            }
        }
        return picture;
    }
    std::vector<uint8_t> Shown() const
    {
        return {cache.GetPixels(), cache.GetPixels() + size_t(cache.GetWidth()) * cache.GetHeight()};
    }
    std::vector<int> ShownFlags()
    {
        std::vector<int> shown;
        for (int i = 0; i < document.GetLayers()->GetSize(); ++i) {
            if (Layer(i).IsShown()) {
                shown.push_back(i);
            }
        }
        return shown;
    }

    CStippleboxData document;
    CLayerCache cache;
};

}  // namespace

TEST_F(LayerCacheTest, OneDisplayedLayerIsShownStraightFromItsPixels)
{
    MakeLayers(1);
    cache.Rebuild();
    EXPECT_EQ(cache.GetPixels(), Layer(0).GetPixels());
    Layer(0).SetPixel(3, 2, 77);
    EXPECT_EQ(cache.GetPixels()[2 * 8 + 3], 77) << "visible without an update";
}

TEST_F(LayerCacheTest, VisibleLayersAreCompositedFrontToBackByTheTransparentIndex)
{
    MakeLayers(5);
    SetCurrent(2);
    cache.Rebuild();
    EXPECT_EQ(cache.GetFrontList(), (std::vector<int>{0, 1}));
    EXPECT_EQ(cache.GetBackList(), (std::vector<int>{3, 4}));
    EXPECT_EQ(Shown(), Expected({0, 1, 2, 3, 4}));

    Layer(3).SetVisible(false);
    cache.Rebuild();
    EXPECT_EQ(cache.GetBackList(), (std::vector<int>{4}));
    EXPECT_EQ(Shown(), Expected({0, 1, 2, 4}));
    EXPECT_EQ(ShownFlags(), (std::vector<int>{0, 1, 2, 4}));
}

TEST_F(LayerCacheTest, HidingTheCurrentLayerRemovesItAndHidingAllShowsIndexZero)
{
    MakeLayers(3);
    SetCurrent(1);
    document.SetBackgroundColor(5);  // so that index 0 is not the transparent one
    Layer(1).SetVisible(false);
    cache.Rebuild();
    EXPECT_EQ(Shown(), Expected({0, 2}));
    EXPECT_EQ(ShownFlags(), (std::vector<int>{0, 2}));

    Layer(0).SetVisible(false);
    cache.Rebuild();
    EXPECT_EQ(cache.GetPixels(), Layer(2).GetPixels()) << "one displayed layer, even if not the current one";

    Layer(2).SetVisible(false);
    cache.Rebuild();
    EXPECT_EQ(Shown(), std::vector<uint8_t>(48, 0));
    EXPECT_TRUE(ShownFlags().empty());
}

TEST_F(LayerCacheTest, DisplayModesChooseTheLayersBesidesTheCurrentOne)
{
    MakeLayers(5);
    SetCurrent(2);
    Layer(1).SetVisible(false);
    Layer(2).SetVisible(false);
    struct SCase {
        uint8_t mode;
        std::vector<int> front;
        std::vector<int> back;
    };
    for (const SCase& c : {SCase{1, {}, {}}, SCase{2, {1}, {}}, SCase{3, {}, {3}}, SCase{4, {0, 1}, {}},
                           SCase{5, {}, {3, 4}}, SCase{9, {}, {}}}) {
        document.SetLayerDisplayMode(c.mode);
        cache.Rebuild();
        EXPECT_EQ(cache.GetFrontList(), c.front) << "mode " << int(c.mode);
        EXPECT_EQ(cache.GetBackList(), c.back) << "mode " << int(c.mode);
        std::vector<int> displayed = c.front;
        displayed.push_back(2);  // the current layer, hidden or not
        displayed.insert(displayed.end(), c.back.begin(), c.back.end());
        EXPECT_EQ(Shown(), Expected(displayed)) << "mode " << int(c.mode);
        EXPECT_EQ(ShownFlags(), displayed) << "mode " << int(c.mode);
    }
}

TEST_F(LayerCacheTest, OnionSkinDisplaysTheCurrentLayerAlone)
{
    MakeLayers(3);
    SetCurrent(1);
    document.SetOnionSkin(true);
    cache.Rebuild();
    EXPECT_EQ(cache.GetPixels(), Layer(1).GetPixels());
    EXPECT_EQ(ShownFlags(), (std::vector<int>{1}));
}

TEST_F(LayerCacheTest, ChangingTheBackgroundColourChangesWhatIsTransparent)
{
    MakeLayers(2);
    cache.Rebuild();
    Layer(0).Fill(3);
    Layer(1).Fill(4);
    Layer(0).SetPixel(1, 1, 9);
    document.SetBackgroundColor(3);
    cache.Rebuild();
    EXPECT_EQ(cache.GetPixels()[0], 4);
    EXPECT_EQ(cache.GetPixels()[1 * 8 + 1], 9);
}

TEST_F(LayerCacheTest, LinkFlagsMarkTheCurrentLayersGroup)
{
    MakeLayers(4);
    Layer(0).SetLinkID(5);
    Layer(1).SetLinkID(2);
    Layer(2).SetLinkID(5);
    Layer(3).SetLinkID(7);
    SetCurrent(2);
    cache.Rebuild();
    EXPECT_EQ(cache.GetLinkedList(), (std::vector<int>{0, 2}));
    EXPECT_TRUE(Layer(0).IsLinkedToCurrent());
    EXPECT_FALSE(Layer(1).IsLinkedToCurrent());
    EXPECT_TRUE(Layer(2).IsLinkedToCurrent());

    for (int i = 0; i < 4; ++i) {
        Layer(i).SetLinkID(1);
    }
    SetCurrent(3);
    cache.Rebuild();
    EXPECT_EQ(cache.GetLinkedList(), (std::vector<int>{0, 1, 2, 3}));
    for (int i = 0; i < 4; ++i) {
        EXPECT_TRUE(Layer(i).IsLinkedToCurrent());
    }
}

TEST_F(LayerCacheTest, UpdatesRecomposeOnlyTheirRectangle)
{
    MakeLayers(5);
    SetCurrent(2);
    cache.Rebuild();
    const auto expectOnlyInside = [&](const CRect& rect, const std::vector<uint8_t>& outside) {
        const std::vector<uint8_t> inside = Expected({0, 1, 2, 3, 4});
        for (int y = 0; y < 6; ++y) {
            for (int x = 0; x < 8; ++x) {
                const size_t p = size_t(y) * 8 + x;
                EXPECT_EQ(cache.GetPixels()[p], rect.PtInRect({x, y}) ? inside[p] : outside[p]) << x << "," << y;
            }
        }
    };

    std::vector<uint8_t> before = Shown();
    std::fill_n(Layer(2).GetPixels(), 48, uint8_t(52));  // the current layer changed
    cache.UpdateComposite(1, 1, 2, 2);
    expectOnlyInside({1, 1, 3, 3}, before);

    before = Shown();
    std::fill_n(Layer(0).GetPixels(), 48, uint8_t(50));  // layers in front and behind changed
    std::fill_n(Layer(4).GetPixels(), 48, uint8_t(54));
    cache.UpdateFrontBack(4, 2, 3, 3);
    cache.UpdateComposite(4, 2, 3, 3);
    expectOnlyInside({4, 2, 7, 5}, before);

    cache.UpdateFrontBack(-5, -5, 100, 100);  // clipped to the image
    cache.UpdateComposite(-5, -5, 100, 100);
    EXPECT_EQ(Shown(), Expected({0, 1, 2, 3, 4}));
}

TEST_F(LayerCacheTest, BuffersAreKeptWhileTheSizeStaysAndResetWhenItChanges)
{
    MakeLayers(3);
    cache.Rebuild();
    const uint8_t* composite = cache.GetPixels();
    Layer(1).SetVisible(false);
    cache.Rebuild();
    EXPECT_EQ(cache.GetPixels(), composite);

    document.SetSize(4, 4, true);
    for (int i = 0; i < 3; ++i) {
        Layer(i).Fill(uint8_t(i + 1));
    }
    cache.Rebuild();
    EXPECT_EQ(cache.GetWidth(), 4);
    EXPECT_EQ(Shown(), std::vector<uint8_t>(16, 1));

    cache.Reset();
    EXPECT_EQ(cache.GetPixels(), nullptr);
    EXPECT_EQ(cache.GetWidth(), 0);
    EXPECT_TRUE(cache.GetFrontList().empty());
}

TEST(OnionSkinColors, TransparentPixelsOverAnOpaqueLayerBehindShowTheMeanColour)
{
    CStippleboxPalette palette;
    palette.Create(256, false);
    palette.SetColor(0, {10, 20, 30});      // transparent
    palette.SetColor(1, {255, 101, 9});
    palette.SetColor(2, {0, 0, 0});
    const COnionSkinColors colors(palette, 0);

    const SPaletteColor mean{132, 60, 19};  // (255 + 10) >> 1 etc., rounded down
    EXPECT_EQ(colors.Get(0, 1), mean.ToDisplayColor());
    EXPECT_EQ(colors.Get(0, 0), palette.GetDisplayColor(0)) << "transparent over transparent";
    EXPECT_EQ(colors.Get(2, 1), palette.GetDisplayColor(2)) << "an opaque pixel hides the layer behind";

    const uint8_t displayed[] = {0, 2, 0};
    const uint8_t behind[] = {1, 1, 0};
    uint16_t row[3];
    colors.ConvertRow(displayed, behind, 3, row);
    EXPECT_EQ(row[0], mean.ToDisplayColor());
    EXPECT_EQ(row[1], palette.GetDisplayColor(2));
    EXPECT_EQ(row[2], palette.GetDisplayColor(0));
}
