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

void ExpectSameEntries(const CStippleboxPalette& expected, const CStippleboxPalette& actual)
{
    ASSERT_EQ(actual.GetCount(), expected.GetCount());
    for (int i = 0; i < expected.GetCount(); ++i) {
        EXPECT_EQ(actual.GetColor(i), expected.GetColor(i)) << i;
        EXPECT_EQ(actual.GetDisplayPixel(i), expected.GetDisplayPixel(i)) << i;
        EXPECT_EQ(actual.GetTriple(i), expected.GetTriple(i)) << i;
        EXPECT_EQ(actual.GetColorSpaceID(i), expected.GetColorSpaceID(i)) << i;
        EXPECT_EQ(actual.IsMasked(i), expected.IsMasked(i)) << i;
    }
}

}  // namespace

TEST(CompressData, ALongStreamComesBackOnceAndItsSizesStay)
{
    CHeadlessMessageBoxScope boxes;
    std::mt19937 random(1);
    std::vector<uint8_t> source(5000);  // incompressible: several 1024-byte chunks
    for (auto& byte : source) {
        byte = uint8_t(random());
    }
    CCompressData data;
    data.Compress(source);
    uLongf zlibSize = compressBound(uLong(source.size()));
    std::vector<uint8_t> zlibStream(zlibSize);
    compress2(zlibStream.data(), &zlibSize, source.data(), uLong(source.size()), Z_DEFAULT_COMPRESSION);
    EXPECT_EQ(data.GetCompressedSize(), zlibSize) << "the zlib stream at the default level, assembled exactly";
    EXPECT_EQ(data.GetDataSize(true), int(zlibSize) + 16);

    EXPECT_EQ(data.Decompress(), source);
    EXPECT_TRUE(data.IsEmpty());
    EXPECT_EQ(data.GetCompressedSize(), zlibSize);
    EXPECT_EQ(data.GetUncompressedSize(), 5000u);
    EXPECT_TRUE(boxes->GetRecords().empty());

    data.Decompress();  // spent: the caller's fault, reported
    ASSERT_EQ(boxes->GetRecords().size(), 1u);
    EXPECT_EQ(boxes->GetRecords()[0].text,
              "データ解析中にエラーが発生しました。\n今後の動作が不安定になる可能性があります。");

    data.Compress(source);
    std::vector<uint8_t> shortBlock(1500);
    data.Decompress(shortBlock);
    EXPECT_TRUE(std::equal(shortBlock.begin(), shortBlock.end(), source.begin()));
    ASSERT_EQ(boxes->GetRecords().size(), 2u);
    EXPECT_EQ(boxes->GetRecords()[1].text,
              "データ解析中にエラーが発生しました(2)。\n今後の動作が不安定になる可能性があります。");
}

TEST(ColorCompressData, MarkedEntriesKeepOnlyTheirColoursInEntryOrder)
{
    const auto document = MakeRichDocument(2, 2, 1, 2, 5);
    const CStippleboxPalette& source = *document->GetPalettes()->GetAt(0);
    CStippleboxPalette& target = *document->GetPalettes()->GetAt(1);
    std::vector<uint8_t> mask(256, 0);
    mask[3] = mask[200] = 1;
    CColorCompressData marked;
    marked.StoreMarked(source, mask.data());
    mask[3] = 0;
    mask[10] = 1;  // as many marks, elsewhere
    const auto triple = target.GetTriple(10);
    marked.RestoreMarked(target, mask.data());
    EXPECT_EQ(target.GetColor(10), source.GetColor(3));
    EXPECT_EQ(target.GetColor(200), source.GetColor(200));
    EXPECT_EQ(target.GetTriple(10), triple) << "only colours are kept";
    EXPECT_FALSE(marked.IsStored()) << "used once";

    CColorCompressData none;
    none.StoreMarked(source, std::vector<uint8_t>(256, 0).data());
    EXPECT_FALSE(none.IsStored());
    EXPECT_EQ(none.GetDataSize(true), 8);
}

TEST(ImageSelectionCompressData, TheSelectionComesBackAsPreparedForTheSnapshot)
{
    CStippleboxData document;
    document.Create(4, 4);
    CStippleboxLayer& layer = *document.GetCurrentLayer();
    CImageSelectionCompressData snapshot;
    snapshot.Store(layer, true, true);
    EXPECT_FALSE(snapshot.IsStored()) << "no selection";
    EXPECT_EQ(snapshot.GetDataSize(true), 3 * 16 + 36);

    CStippleboxImageSelection& selection = layer.GetSelection();
    selection.Create({2, -1, 6, 2}, {1, 0, 1, 1, 1, 1, 0, 1, 0, 1, 1, 1});
    std::iota(selection.GetFloating().begin(), selection.GetFloating().end(), 1);
    std::iota(selection.GetUnderneath().begin(), selection.GetUnderneath().end(), 101);
    const std::vector<uint8_t> mask = selection.GetMask();
    snapshot.Store(layer, true, true);
    selection.Clear();
    snapshot.Restore(layer);
    EXPECT_EQ(selection.GetRect(), (CRect{2, -1, 6, 2}));
    EXPECT_EQ(selection.GetMask(), mask);
    EXPECT_EQ(selection.GetFloating(), (std::vector<uint8_t>{1, 2, 3, 4, 0, 0, 7, 8, 0, 0, 11, 12}));
    EXPECT_EQ(selection.GetUnderneath(), (std::vector<uint8_t>{0, 0, 0, 0, 105, 106, 0, 0, 109, 110, 0, 0}));

    snapshot.Clear();
    snapshot.Restore(layer);
    EXPECT_FALSE(selection.HasMask());
}

TEST(LayerCompressData, AHeldLayerKeepsOnlyItsSmallObjectAndComesBackWhole)
{
    CHeadlessMessageBoxScope boxes;
    auto document = MakeRichDocument(40, 30, 2, 1, 8);
    CStippleboxLayer& original = *document->GetLayers()->GetAt(1);
    const std::vector<uint8_t> pixels(original.GetPixels(), original.GetPixels() + 40 * 30);
    original.GetSelection().Create({30, 20, 45, 35});
    std::fill(original.GetSelection().GetFloating().begin(), original.GetSelection().GetFloating().end(), 3);
    std::fill(original.GetSelection().GetUnderneath().begin(), original.GetSelection().GetUnderneath().end(), 4);

    CLayerCompressData snapshot;
    snapshot.Store(document->GetLayers()->RemoveAt(1));
    EXPECT_EQ(original.GetPixels(), nullptr);
    EXPECT_FALSE(original.GetSelection().HasMask());
    EXPECT_GT(snapshot.GetDataSize(true), 16 + (36 + 3 * 16) + 16 + 40);

    const std::unique_ptr<CStippleboxLayer> layer = snapshot.Restore();
    ASSERT_EQ(layer.get(), &original);
    EXPECT_EQ(std::vector<uint8_t>(layer->GetPixels(), layer->GetPixels() + 40 * 30), pixels);
    const CStippleboxImageSelection& selection = layer->GetSelection();
    EXPECT_EQ(selection.GetRect(), (CRect{30, 20, 45, 35}));
    EXPECT_EQ(selection.GetFloating()[0], 0) << "over the canvas: cleared for the snapshot";
    EXPECT_EQ(selection.GetFloating()[14 * 15 + 14], 3);
    EXPECT_EQ(selection.GetUnderneath()[14], 0) << "off the canvas: nothing beneath";
    EXPECT_EQ(snapshot.Restore(), nullptr) << "used once";
    EXPECT_EQ(snapshot.GetDataSize(true), 16);
    EXPECT_TRUE(boxes->GetRecords().empty());
}

// Covers the whole-palette and entry-selection snapshots it is made of.
TEST(PaletteCompressData, APaletteIsRemadeWithNameEntriesAndSelection)
{
    auto document = MakeRichDocument(2, 2, 1, 2, 9);
    CStippleboxPalette& source = *document->GetPalettes()->GetAt(0);
    std::vector<uint8_t> mask(256, 0);
    mask[0] = mask[17] = mask[250] = 1;
    ASSERT_TRUE(source.GetColorSelection()->SetMask(mask));
    source.GetColorSelection()->GetPalette()->GatherMarked(source, mask.data());
    CPaletteCompressData snapshot;
    snapshot.Store(source);
    CColorCompressData colors;
    colors.Store(source);
    CColorSelectionCompressData selection;
    selection.Store(*source.GetColorSelection());
    EXPECT_EQ(snapshot.GetDataSize(true), int(source.GetPaletteName().size()) + colors.GetDataSize(false) +
                                              selection.GetDataSize(false) + 28);

    const std::unique_ptr<CStippleboxPalette> palette = snapshot.Restore();
    EXPECT_EQ(palette->GetPaletteName(), source.GetPaletteName());
    ExpectSameEntries(source, *palette);
    EXPECT_EQ(palette->GetColorSelection()->GetMask(), mask);
    EXPECT_EQ(palette->GetColorSelection()->GetCount(), 3);
    ExpectSameEntries(*source.GetColorSelection()->GetPalette(), *palette->GetColorSelection()->GetPalette());

    CPaletteCompressData unselected;  // an entry selection without a mask stores nothing
    unselected.Store(*document->GetPalettes()->GetAt(1));
    EXPECT_FALSE(unselected.Restore()->GetColorSelection()->HasMask());
}
