#include <gtest/gtest.h>

#include <random>

#include "model/layer_cache.h"
#include "model/onion_skin_colors.h"
#include "model/stipplebox_data.h"

namespace {

// 8 × 6 layers of random indices, a quarter of them the transparent 0.
class LayerCacheTest : public ::testing::Test {
protected:
    void MakeLayers(int count, int current)
    {
        document.Create(8, 6);
        std::mt19937 random(11);
        for (int i = 0; i < count; ++i) {
            if (i > 0) {
                document.GetLayers()->NewLayer(i, 8, 6);
            }
            for (int p = 0; p < 48; ++p) {
                Layer(i).GetPixels()[p] = random() % 4 == 0 ? 0 : uint8_t(1 + random() % 200);
            }
        }
        document.GetLayers()->SetCurrentIndex(current);
        cache.SetDocument(&document);
        cache.Rebuild();
    }
    CStippleboxLayer& Layer(int i) { return *document.GetLayers()->GetAt(i); }

    // What the user should see: per pixel the frontmost displayed layer that
    // is not transparent there, else the transparent index; 0 when no layer
    // is displayed.
    std::vector<uint8_t> Expected(const std::vector<int>& displayed)
    {
        const uint8_t t = document.GetBackgroundColor();
        std::vector<uint8_t> picture(48, displayed.empty() ? 0 : t);
        for (size_t p = 0; p < picture.size(); ++p) {
            for (const int index : displayed) {
                if (Layer(index).GetPixels()[p] != t) {
                    picture[p] = Layer(index).GetPixels()[p];
                    break;
                }
            }
        }
        return picture;
    }
    std::vector<uint8_t> Shown() const { return {cache.GetPixels(), cache.GetPixels() + 48}; }
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
    MakeLayers(3, 1);
    document.SetOnionSkin(true);
    cache.Rebuild();
    EXPECT_EQ(cache.GetPixels(), Layer(1).GetPixels()) << "onion skin holds the current layer alone";
    EXPECT_EQ(ShownFlags(), (std::vector<int>{1}));

    document.SetOnionSkin(false);
    Layer(0).SetVisible(false);
    Layer(1).SetVisible(false);
    cache.Rebuild();
    EXPECT_EQ(cache.GetPixels(), Layer(2).GetPixels()) << "even when it is not the current one";
    Layer(2).SetPixel(3, 2, 77);
    EXPECT_EQ(cache.GetPixels()[2 * 8 + 3], 77) << "a stamp shows without an update";

    Layer(2).SetVisible(false);
    cache.Rebuild();
    EXPECT_EQ(Shown(), std::vector<uint8_t>(48, 0)) << "nothing displayed";
    EXPECT_TRUE(ShownFlags().empty());
}

TEST_F(LayerCacheTest, DisplayModesChooseTheLayersAroundTheCurrentOne)
{
    MakeLayers(5, 2);
    Layer(3).SetVisible(false);
    cache.Rebuild();
    EXPECT_EQ(cache.GetFrontList(), (std::vector<int>{0, 1}));
    EXPECT_EQ(cache.GetBackList(), (std::vector<int>{4}));
    EXPECT_EQ(Shown(), Expected({0, 1, 2, 4}));
    Layer(2).SetVisible(false);
    cache.Rebuild();
    EXPECT_EQ(Shown(), Expected({0, 1, 4})) << "the hidden current layer leaves the picture";

    Layer(1).SetVisible(false);  // the other modes ignore visibility
    struct SCase {
        uint8_t mode;
        std::vector<int> displayed;
    };
    for (const SCase& c : {SCase{1, {2}}, SCase{2, {1, 2}}, SCase{3, {2, 3}}, SCase{4, {0, 1, 2}},
                           SCase{5, {2, 3, 4}}, SCase{9, {2}}}) {
        document.SetLayerDisplayMode(c.mode);
        cache.Rebuild();
        EXPECT_EQ(Shown(), Expected(c.displayed)) << "mode " << int(c.mode);
        EXPECT_EQ(ShownFlags(), c.displayed) << "mode " << int(c.mode);
    }

    document.SetLayerDisplayMode(0);
    document.SetBackgroundColor(Layer(0).GetPixels()[0]);  // another index turns transparent
    cache.Rebuild();
    EXPECT_EQ(Shown(), Expected({0, 4}));
}

TEST(OnionSkinColors, TransparentPixelsOverAnOpaqueLayerBehindShowTheMeanColour)
{
    CStippleboxPalette palette;
    palette.Create(256, false);
    palette.SetColor(0, {10, 20, 30});  // transparent
    palette.SetColor(1, {255, 101, 9});
    const COnionSkinColors colors(palette, 0);
    const uint8_t displayed[] = {0, 1, 0};
    const uint8_t behind[] = {1, 0, 0};
    DisplayPixel row[3];
    colors.ConvertRow(displayed, behind, 3, row);
    EXPECT_EQ(row[0], MakeDisplayPixel(19, 60, 132)) << "channel means, rounded down";
    EXPECT_EQ(row[1], MakeDisplayPixel(9, 101, 255));
    EXPECT_EQ(row[2], MakeDisplayPixel(30, 20, 10));
}
