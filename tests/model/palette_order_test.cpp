#include <gtest/gtest.h>

#include <random>

#include "model/index_remap.h"
#include "model/palette_gradation.h"
#include "model/palette_order.h"
#include "model/stipplebox_palette.h"

namespace {

// Entry i coloured blue = i, so the colours tell which old entry sits where.
std::unique_ptr<CStippleboxPalette> NumberedPalette()
{
    auto palette = std::make_unique<CStippleboxPalette>();
    palette->Create(CStippleboxPalette::kEntryCount, false);
    for (int i = 0; i < palette->GetCount(); ++i) {
        palette->SetColor(i, {uint8_t(i), 0, 0});
        palette->SetTriple(i, {uint16_t(i), 0, 0});
    }
    return palette;
}

std::vector<int> Blues(const CStippleboxPalette& palette, int count)
{
    std::vector<int> blues;
    for (int i = 0; i < count; ++i) {
        blues.push_back(palette.GetColor(i).blue);
    }
    return blues;
}

}  // namespace

TEST(PaletteOrder, RenumberingAPictureWithAnOrderKeepsEveryPixelsColour)
{
    std::mt19937 random(3);
    CStippleboxPalette original;
    original.Create(CStippleboxPalette::kEntryCount, false);
    for (int i = 0; i < original.GetCount(); ++i) {
        original.SetColor(i, {uint8_t(i), uint8_t(255 - i), uint8_t(i * 7)});
    }
    std::vector<uint8_t> pixels(1000);
    for (uint8_t& pixel : pixels) {
        pixel = uint8_t(random());
    }
    for (const auto& [from, to] : {std::pair{0, 255}, {255, 0}, {17, 18}, {100, 3}}) {
        CStippleboxPalette palette;
        palette.CreateLike(original, -1, false);
        palette.CopyAll(original);
        ReorderEntries(palette, MakeMoveOrder(from, to));
        std::vector<uint8_t> renumbered = pixels;
        RemapIndices(renumbered, InvertOrder(MakeMoveOrder(from, to)));
        for (size_t i = 0; i < pixels.size(); ++i) {
            ASSERT_EQ(palette.GetColor(renumbered[i]), original.GetColor(pixels[i])) << from << "→" << to << " at " << i;
        }
    }
}

TEST(PaletteGradation, MarkedEntriesBlendInSinglePrecisionAndTruncate)
{
    const auto numbered = NumberedPalette();
    CStippleboxPalette& palette = *numbered;
    palette.SetColor(10, {0, 200, 255});
    palette.SetColor(14, {255, 0, 100});
    std::vector<uint8_t> mask(256, 0);
    mask[10] = mask[11] = mask[14] = 1;
    ApplyGradation(palette, mask.data());
    EXPECT_EQ(palette.GetColor(10), (SPaletteColor{0, 200, 255}));
    EXPECT_EQ(palette.GetColor(11), (SPaletteColor{127, 100, 177})) << "127.5 and 177.5 truncate";
    EXPECT_EQ(palette.GetColor(14), (SPaletteColor{255, 0, 100}));
    EXPECT_EQ(palette.GetColor(12).blue, 12) << "unmarked entries inside the range keep their colours";
    EXPECT_EQ(palette.GetColor(13).blue, 13);
    EXPECT_EQ(palette.GetTriple(11)[0], 11) << "only colours change";
    EXPECT_EQ(palette.GetDisplayPixel(11), palette.GetColor(11).ToDisplayPixel());

    // Single precision: 25 − 25 × 0.6f is 9.999999, which truncates to 9
    // (exact arithmetic would give 10).
    const auto fifths = NumberedPalette();
    fifths->SetColor(0, {25, 0, 0});
    fifths->SetColor(5, {0, 0, 0});
    std::vector<uint8_t> six(256, 0);
    std::fill_n(six.begin(), 6, 1);
    ApplyGradation(*fifths, six.data());
    EXPECT_EQ(Blues(*fifths, 6), (std::vector<int>{25, 20, 15, 9, 5, 0}));
}

TEST(IndexRemap, EveryKindOfTableGivesWhatAPlainLookupGives)
{
    std::mt19937 random(8);
    std::vector<CIndexMap> tables{MakeIdentityMap(), MakeSwapMap(0, 255), InvertOrder(MakeMoveOrder(250, 3))};
    // Six moved runs (the most done by compare and select) and seven.
    for (const int pairs : {3, 4}) {
        CIndexMap table = MakeIdentityMap();
        for (int pair = 0; pair < pairs; ++pair) {
            std::swap(table[pair * 50], table[pair * 50 + 25]);
        }
        tables.push_back(table);
    }
    CIndexMap shuffled = MakeIdentityMap();
    std::shuffle(shuffled.begin(), shuffled.end(), random);
    tables.push_back(shuffled);
    // Not a permutation: every index to one of two, as a mask would be.
    CIndexMap halves;
    for (int i = 0; i < 256; ++i) {
        halves[i] = uint8_t(i < 128 ? 0 : 1);
    }
    tables.push_back(halves);

    std::vector<uint8_t> pixels(4099);  // odd, and not a multiple of any vector width
    for (uint8_t& pixel : pixels) {
        pixel = uint8_t(random());
    }
    for (size_t t = 0; t < tables.size(); ++t) {
        std::vector<uint8_t> remapped = pixels;
        RemapIndices(remapped, tables[t]);
        for (size_t i = 0; i < pixels.size(); ++i) {
            ASSERT_EQ(remapped[i], tables[t][pixels[i]]) << "table " << t << " at " << i;
        }
    }
}
