#include <gtest/gtest.h>

#include "model/stipplebox_data.h"

// Names count up and a deletion gives its number back; a removal for undo
// hands the layer out and keeps the counter; link IDs take the smallest unused.
TEST(Document, LayerArraysNameNumberAndHandOutTheirLayers)
{
    CStippleboxData document;
    document.Create(8, 8);
    CStippleboxLayerPtrArray& layers = *document.GetLayers();
    for (int i = 0; i < 3; ++i) {
        layers.NewLayer(0, 8, 8);
    }
    EXPECT_EQ(layers[0]->GetLayerName(), u"Layer004");
    EXPECT_EQ(layers[2]->GetLayerName(), u"Layer002");
    EXPECT_EQ(layers[2]->GetLinkID(), 2);
    EXPECT_EQ(layers.GetCurrentIndex(), 0) << "new layers leave the current index";
    layers.DeleteAt(1);
    EXPECT_EQ(layers.NewLayer(99, 8, 8)->GetLayerName(), u"Layer004");
    EXPECT_EQ(layers[layers.GetSize() - 1]->GetLayerName(), u"Layer004") << "the index is clamped to the end";

    CStippleboxLayer* second = layers[1];
    std::unique_ptr<CStippleboxLayer> removed = layers.RemoveAt(1);
    EXPECT_EQ(removed.get(), second);
    EXPECT_EQ(layers.GetSize(), 3);
    EXPECT_EQ(layers.GetNameCounter(), 4) << "removal for undo keeps the name counter";
    layers.InsertAt(1, std::move(removed));
    EXPECT_EQ(layers[1], second);

    for (int i = 0; i < layers.GetSize(); ++i) {
        layers[i]->SetLinkID(i == 0 ? 1 : 4);
    }
    EXPECT_EQ(layers.GetUnusedLinkID(), 2);
    layers[0]->SetLinkID(4);
    EXPECT_EQ(layers.GetUnusedLinkID(), 1);
}

TEST(Palette, SetColorsWrapsFromTheLastEntryToTheFirstAndShowsEachExactly)
{
    CStippleboxPalette palette;
    palette.Create(256, false);
    const SPaletteColor three[3] = {{1, 2, 3}, {4, 5, 6}, {255, 255, 255}};
    palette.SetColors(254, 3, three);
    EXPECT_EQ(palette.GetColor(254), three[0]);
    EXPECT_EQ(palette.GetColor(255), three[1]);
    EXPECT_EQ(palette.GetColor(0), three[2]) << "the index wraps from 255 to 0";
    EXPECT_EQ(palette.GetDisplayPixel(0), kDisplayWhite);
}

TEST(Palette, FindNearestPrefersTheLowerIndexOnATie)
{
    CStippleboxPalette palette;
    palette.Create(256, false);
    for (int i = 0; i < 256; ++i) {
        palette.SetColor(i, {200, 200, 200});
    }
    palette.SetColor(3, {10, 10, 12});
    palette.SetColor(7, {10, 10, 8});
    EXPECT_EQ(palette.FindNearest({10, 10, 10}), 3);
    palette.SetColor(5, {10, 10, 11});
    EXPECT_EQ(palette.FindNearest({10, 10, 10}), 5);
}

TEST(Palette, EntryCopiesAndSwapsCarryAllFiveItems)
{
    CStippleboxPalette source;
    source.Create(256, false);
    source.SetColor(9, {1, 2, 3});
    source.SetTriple(9, {100, 200, 300});
    source.SetColorSpaceID(9, 2);
    source.SetMasked(9, true);

    CStippleboxPalette target;
    target.CreateLike(source, -1, true);
    EXPECT_EQ(target.GetCount(), 256);
    target.CopyEntry(4, source, 9);
    EXPECT_EQ(target.GetColor(4), source.GetColor(9));
    EXPECT_EQ(target.GetDisplayPixel(4), MakeDisplayPixel(3, 2, 1));
    EXPECT_EQ(target.GetTriple(4), (std::array<uint16_t, 3>{100, 200, 300}));
    EXPECT_EQ(target.GetColorSpaceID(4), 2);
    EXPECT_TRUE(target.IsMasked(4));

    target.SetColor(0, {7, 7, 7});
    target.SwapEntries(0, source, 9);
    EXPECT_EQ(source.GetColor(9), (SPaletteColor{7, 7, 7}));
    EXPECT_FALSE(source.IsMasked(9));
    EXPECT_EQ(target.GetColor(0), (SPaletteColor{1, 2, 3}));
    EXPECT_TRUE(target.IsMasked(0));
    EXPECT_EQ(target.GetTriple(0), (std::array<uint16_t, 3>{100, 200, 300}));
}

// Delays are ticks of 1/6000 s; the remembered delay starts every new one.
TEST(Delay, UnitsConvertByTruncationAndRememberingSetsTheStartOfNewDelays)
{
    CDelay::SetRememberedDelay(500);
    CDelay delay;
    EXPECT_EQ(delay.GetTicks(), 500);
    for (const auto& [unit, value] : {std::pair{6, 5}, {1, 0}, {0, 500}, {9, 0}}) {
        EXPECT_EQ(delay.GetDelay(unit), value) << "unit " << unit;
    }
    const struct {
        int value, unit, ticks;
    } sets[] = {{5, 6, 500}, {-3, 0, 0}, {77, 9, 0} /* an unknown unit changes nothing */, {12, 8, 72}};
    for (const auto& s : sets) {
        delay.SetDelay(s.value, s.unit, false);
        EXPECT_EQ(delay.GetTicks(), s.ticks) << s.value << " in unit " << s.unit;
    }
    EXPECT_EQ(delay.GetDelay(7), 1);

    delay.SetDelay(12, 1, true);
    EXPECT_EQ(CDelay::GetRememberedDelay(), 7200);
    EXPECT_EQ(CDelay().GetTicks(), 7200);
    delay.SetDelay(3, 1, false);
    EXPECT_EQ(CDelay().GetTicks(), 7200);
    delay.SetDelay(1, 42, true);  // an unknown unit still stores the unchanged ticks
    EXPECT_EQ(CDelay::GetRememberedDelay(), 1800);
    CDelay::SetRememberedDelay(500);
}
