#include <gtest/gtest.h>

#include <zlib.h>

#include <numeric>
#include <random>

#include "commands/color_compress_data.h"
#include "commands/color_selection_compress_data.h"
#include "commands/compress_data.h"
#include "commands/image_selection_compress_data.h"
#include "commands/layer_compress_data.h"
#include "commands/palette_compress_data.h"
#include "model/stipplebox_color_selection.h"
#include "model/stipplebox_data.h"
#include "model/stipplebox_image_selection.h"
#include "support/headless_message_box_scope.h"
#include "support/test_documents.h"

namespace {

std::vector<uint8_t> RandomBytes(size_t count, uint32_t seed)
{
    std::mt19937 random(seed);
    std::vector<uint8_t> bytes(count);
    for (auto& byte : bytes) {
        byte = uint8_t(random());
    }
    return bytes;
}

void ExpectSameEntries(const CStippleboxPalette& expected, const CStippleboxPalette& actual)
{
    ASSERT_EQ(actual.GetCount(), expected.GetCount());
    for (int i = 0; i < expected.GetCount(); ++i) {
        EXPECT_EQ(actual.GetColor(i), expected.GetColor(i)) << i;
        EXPECT_EQ(actual.GetDisplayColor(i), expected.GetDisplayColor(i)) << i;
        EXPECT_EQ(actual.GetTriple(i), expected.GetTriple(i)) << i;
        EXPECT_EQ(actual.GetColorSpaceID(i), expected.GetColorSpaceID(i)) << i;
        EXPECT_EQ(actual.IsMasked(i), expected.IsMasked(i)) << i;
    }
}

}  // namespace

TEST(CompressData, ALongStreamIsAssembledIntoOneBlockOfItsExactLength)
{
    CHeadlessMessageBoxScope boxes;
    const std::vector<uint8_t> source = RandomBytes(5000, 1);  // incompressible: several 1024-byte chunks
    CCompressData data;
    data.Compress(source);

    uLongf expectedSize = compressBound(uLong(source.size()));
    std::vector<uint8_t> expected(expectedSize);
    ASSERT_EQ(compress2(expected.data(), &expectedSize, source.data(), uLong(source.size()), Z_DEFAULT_COMPRESSION),
              Z_OK);
    EXPECT_EQ(data.GetCompressedSize(), expectedSize) << "the zlib stream at the default level";
    EXPECT_GT(data.GetCompressedSize(), 4096u);
    EXPECT_EQ(data.GetUncompressedSize(), 5000u);
    EXPECT_EQ(data.GetDataSize(false), int(expectedSize));
    EXPECT_EQ(data.GetDataSize(true), int(expectedSize) + 16);

    EXPECT_EQ(data.Decompress(), source);
    EXPECT_TRUE(boxes->GetRecords().empty());
}

TEST(CompressData, ReadingBackReleasesTheBytesButKeepsTheSizes)
{
    CHeadlessMessageBoxScope boxes;
    std::vector<uint8_t> source(3000, 7);
    CCompressData data;
    data.Compress(source);
    const uint32_t compressed = data.GetCompressedSize();
    std::vector<uint8_t> output(3000, 0);
    data.Decompress(output);
    EXPECT_EQ(output, source);
    EXPECT_TRUE(data.IsEmpty());
    EXPECT_EQ(data.GetCompressedSize(), compressed);
    EXPECT_EQ(data.GetUncompressedSize(), 3000u);
    EXPECT_TRUE(boxes->GetRecords().empty());

    data.Decompress();  // spent: a fault of the caller, reported
    ASSERT_EQ(boxes->GetRecords().size(), 1u);
    EXPECT_EQ(boxes->GetRecords()[0].text,
              "データ解析中にエラーが発生しました。\n今後の動作が不安定になる可能性があります。");
    EXPECT_EQ(boxes->GetRecords()[0].buttons, MessageBoxButtons::Ok);
}

TEST(CompressData, AnOutputBlockTooSmallIsFilledAndTheShortageReported)
{
    CHeadlessMessageBoxScope boxes;
    const std::vector<uint8_t> source = RandomBytes(2000, 2);
    CCompressData data;
    data.Compress(source);
    std::vector<uint8_t> output(1500);
    data.Decompress(output);
    EXPECT_TRUE(std::equal(output.begin(), output.end(), source.begin()));
    ASSERT_EQ(boxes->GetRecords().size(), 1u);
    EXPECT_EQ(boxes->GetRecords()[0].text,
              "データ解析中にエラーが発生しました(2)。\n今後の動作が不安定になる可能性があります。");
}

TEST(ColorCompressData, AWholePaletteComesBackEntryForEntry)
{
    const auto document = MakeRichDocument(2, 2, 1, 2, 5);
    CStippleboxPalette& source = *document->GetPalettes()->GetAt(0);
    CColorCompressData snapshot;
    snapshot.Store(source);
    EXPECT_EQ(snapshot.GetDataSize(true), 8 + snapshot.GetDataSize(false));
    EXPECT_GT(snapshot.GetDataSize(false), 16);

    CStippleboxPalette& target = *document->GetPalettes()->GetAt(1);
    snapshot.Restore(target);
    ExpectSameEntries(source, target);
    EXPECT_FALSE(snapshot.IsStored()) << "used once";
    EXPECT_EQ(snapshot.GetDataSize(true), 8);
}

TEST(ColorCompressData, MarkedEntriesKeepOnlyTheirColoursInEntryOrder)
{
    const auto document = MakeRichDocument(2, 2, 1, 2, 6);
    const CStippleboxPalette& source = *document->GetPalettes()->GetAt(0);
    CStippleboxPalette& target = *document->GetPalettes()->GetAt(1);
    std::vector<uint8_t> mask(256, 0);
    mask[3] = mask[200] = 1;

    CColorCompressData snapshot;
    snapshot.StoreMarked(source, mask.data());
    mask[3] = 0;
    mask[10] = 1;  // the same count of entries, elsewhere
    const SPaletteColor untouched = target.GetColor(3);
    const auto triple = target.GetTriple(10);
    snapshot.RestoreMarked(target, mask.data());
    EXPECT_EQ(target.GetColor(10), source.GetColor(3));
    EXPECT_EQ(target.GetColor(200), source.GetColor(200));
    EXPECT_EQ(target.GetColor(3), untouched);
    EXPECT_EQ(target.GetTriple(10), triple) << "only colours are kept";

    CColorCompressData none;
    none.StoreMarked(source, std::vector<uint8_t>(256, 0).data());
    EXPECT_FALSE(none.IsStored());
    EXPECT_EQ(none.GetDataSize(true), 8);
    const SPaletteColor before = target.GetColor(0);
    none.RestoreMarked(target, std::vector<uint8_t>(256, 1).data());
    EXPECT_EQ(target.GetColor(0), before);
}

TEST(ColorSelectionCompressData, TheMaskAndTheSelectedColoursComeBack)
{
    const auto document = MakeRichDocument(2, 2, 1, 1, 7);
    CStippleboxPalette& palette = *document->GetCurrentPalette();
    CStippleboxColorSelection& selection = *palette.GetColorSelection();
    std::vector<uint8_t> mask(256, 0);
    mask[4] = mask[5] = mask[250] = 1;
    ASSERT_TRUE(selection.SetMask(mask));
    selection.GetPalette()->GatherMarked(palette, selection.GetMask().data());
    selection.GetPalette()->SetTriple(1, {1, 2, 3});

    CColorSelectionCompressData snapshot;
    snapshot.Store(selection);
    CStippleboxPalette expected;
    expected.CreateLike(*selection.GetPalette(), -1, false);
    expected.CopyAll(*selection.GetPalette());
    selection.Clear();

    CStippleboxColorSelection restored;
    snapshot.Restore(restored);
    EXPECT_EQ(restored.GetMask(), mask);
    EXPECT_EQ(restored.GetCount(), 3);
    ExpectSameEntries(expected, *restored.GetPalette());
    EXPECT_FALSE(snapshot.IsStored());

    CColorSelectionCompressData empty;
    empty.Store(CStippleboxColorSelection());
    EXPECT_FALSE(empty.IsStored());
    empty.Restore(restored);
    EXPECT_FALSE(restored.HasMask()) << "restoring nothing leaves the selection cleared";
}

TEST(ImageSelectionCompressData, TheSelectionComesBackAsPreparedForTheSnapshot)
{
    CStippleboxData document;
    document.Create(4, 4);
    CStippleboxLayer& layer = *document.GetCurrentLayer();
    CStippleboxImageSelection& selection = layer.GetSelection();
    selection.Create({2, -1, 6, 2}, {1, 0, 1, 1, 1, 1, 0, 1, 0, 1, 1, 1});
    std::iota(selection.GetFloating().begin(), selection.GetFloating().end(), 1);
    std::iota(selection.GetUnderneath().begin(), selection.GetUnderneath().end(), 101);

    CImageSelectionCompressData snapshot;
    snapshot.Store(layer, true, true);
    EXPECT_TRUE(snapshot.IsStored());
    EXPECT_EQ(snapshot.GetDataSize(true), 36 + snapshot.GetDataSize(false));
    const std::vector<uint8_t> floating{1, 2, 3, 4, 0, 0, 7, 8, 0, 0, 11, 12};  // over the canvas: the layer has it
    const std::vector<uint8_t> underneath{0, 0, 0, 0, 105, 106, 0, 0, 109, 110, 0, 0};
    EXPECT_EQ(selection.GetFloating(), floating) << "prepared in place";
    EXPECT_EQ(selection.GetUnderneath(), underneath);
    const std::vector<uint8_t> mask = selection.GetMask();
    selection.Create({0, 0, 1, 1});

    snapshot.Restore(layer);
    EXPECT_EQ(selection.GetRect(), (CRect{2, -1, 6, 2}));
    EXPECT_EQ(selection.GetFloating(), floating);
    EXPECT_EQ(selection.GetUnderneath(), underneath);
    EXPECT_EQ(selection.GetMask(), mask);
}

TEST(ImageSelectionCompressData, NoSelectionStoresNothingAndRestoresAClearedSelection)
{
    CStippleboxData document;
    document.Create(4, 4);
    CStippleboxLayer& layer = *document.GetCurrentLayer();
    CImageSelectionCompressData snapshot;
    snapshot.Store(layer, true, true);
    EXPECT_FALSE(snapshot.IsStored());
    EXPECT_EQ(snapshot.GetDataSize(true), 3 * 16 + 36);

    layer.GetSelection().Create({0, 0, 2, 2});
    snapshot.Restore(layer);
    EXPECT_FALSE(layer.GetSelection().HasMask());

    layer.GetSelection().Create({1, 1, 3, 3});
    snapshot.Store(layer, false, false);
    EXPECT_TRUE(snapshot.IsStored());
    snapshot.Clear();
    EXPECT_FALSE(snapshot.IsStored());
    EXPECT_TRUE(snapshot.GetRect().IsRectEmpty());
}

TEST(LayerCompressData, AHeldLayerKeepsOnlyItsSmallObjectAndComesBackWhole)
{
    CHeadlessMessageBoxScope boxes;
    auto document = MakeRichDocument(40, 30, 2, 1, 8);
    CStippleboxLayerPtrArray& layers = *document->GetLayers();
    CStippleboxLayer& original = *layers[1];
    const std::vector<uint8_t> pixels(original.GetPixels(), original.GetPixels() + 40 * 30);
    original.GetSelection().Create({30, 20, 45, 35});
    std::fill(original.GetSelection().GetFloating().begin(), original.GetSelection().GetFloating().end(), 3);
    std::fill(original.GetSelection().GetUnderneath().begin(), original.GetSelection().GetUnderneath().end(), 4);
    const std::u16string name = original.GetLayerName();

    CLayerCompressData snapshot;
    snapshot.Store(layers.RemoveAt(1));
    EXPECT_TRUE(snapshot.IsHolding());
    const int held = snapshot.GetDataSize(true);
    EXPECT_GT(held, 16 + 36 + 3 * 16 + 16 + 40);

    std::unique_ptr<CStippleboxLayer> layer = snapshot.Restore();
    ASSERT_NE(layer, nullptr);
    EXPECT_EQ(std::vector<uint8_t>(layer->GetPixels(), layer->GetPixels() + 40 * 30), pixels);
    EXPECT_EQ(layer->GetLayerName(), name);
    const CStippleboxImageSelection& selection = layer->GetSelection();
    ASSERT_TRUE(selection.HasMask());
    EXPECT_EQ(selection.GetRect(), (CRect{30, 20, 45, 35}));
    EXPECT_EQ(selection.GetFloating()[0], 0) << "over the canvas: cleared for the snapshot";
    EXPECT_EQ(selection.GetFloating()[14 * 15 + 14], 3) << "off the canvas: kept";
    EXPECT_EQ(selection.GetUnderneath()[0], 4);
    EXPECT_EQ(selection.GetUnderneath()[14], 0) << "off the canvas: nothing beneath";

    EXPECT_EQ(snapshot.Restore(), nullptr) << "used once";
    EXPECT_EQ(snapshot.GetDataSize(true), 16);
    EXPECT_TRUE(boxes->GetRecords().empty());
}

TEST(LayerCompressData, StoringTakesThePixelsAndTheSelectionOutOfTheLayer)
{
    auto layer = std::make_unique<CStippleboxLayer>();
    layer->Create(8, 8);
    layer->Fill(1);
    layer->GetSelection().Create({0, 0, 2, 2});
    CStippleboxLayer* held = layer.get();
    CLayerCompressData snapshot;
    snapshot.Store(std::move(layer));
    EXPECT_EQ(held->GetPixels(), nullptr);
    EXPECT_FALSE(held->GetSelection().HasMask());
}

TEST(PaletteCompressData, APaletteIsRemadeWithNameEntriesAndSelection)
{
    auto document = MakeRichDocument(2, 2, 1, 1, 9);
    CStippleboxPalette& source = *document->GetCurrentPalette();
    std::vector<uint8_t> mask(256, 0);
    mask[0] = mask[17] = 1;
    ASSERT_TRUE(source.GetColorSelection()->SetMask(mask));
    source.GetColorSelection()->GetPalette()->GatherMarked(source, mask.data());

    CPaletteCompressData snapshot;
    snapshot.Store(source);
    CColorCompressData colors;
    colors.Store(source);
    CColorSelectionCompressData selection;
    selection.Store(*source.GetColorSelection());
    const int name = int(source.GetPaletteName().size());
    EXPECT_EQ(snapshot.GetDataSize(false), name + colors.GetDataSize(false) + selection.GetDataSize(false));
    EXPECT_EQ(snapshot.GetDataSize(true), snapshot.GetDataSize(false) + 28);

    const std::unique_ptr<CStippleboxPalette> palette = snapshot.Restore();
    EXPECT_EQ(palette->GetPaletteName(), source.GetPaletteName());
    ExpectSameEntries(source, *palette);
    ASSERT_NE(palette->GetColorSelection(), nullptr);
    EXPECT_EQ(palette->GetColorSelection()->GetMask(), mask);
    EXPECT_EQ(palette->GetColorSelection()->GetPalette()->GetColor(1), source.GetColor(17));
}
