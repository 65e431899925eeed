// Random documents saved in every format as the editor saves them and read
// back: what a format keeps comes back equal. Sizes run from 1 to 1024 each
// way (odd widths and one-pixel sides included), 1 to 64 layers, up to ten
// random palettes, names with characters outside Shift-JIS and delays at the
// edges of the units the formats store.
// STIPPLEBOX_ROUNDTRIP_SEEDS=200 build/test/tests/test_formats tries more seeds.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "formats/document_export.h"
#include "formats/serializer_list.h"
#include "formats/standard_serializers.h"
#include "model/layer_merge.h"
#include "model/stipplebox_color_selection.h"
#include "model/stipplebox_data.h"
#include "model/stipplebox_image_selection.h"
#include "support/headless_message_box_scope.h"
#include "support/scratch_directory.h"
#include "support/test_documents.h"

namespace {

// What a format keeps besides the canvas size and the current palette's
// colours, which every format keeps. Without kLayers it keeps the picture the
// layers make together, merged as the editor merges them when it saves.
//
//        layers  names               visible  delays      current mask  background  the rest (*)
// .sbx   all     exact               yes      ticks       yes           yes         yes
// .dpx   all     Shift-JIS, 63 bytes yes      whole ms    yes           yes         no
// .gif   merged  no                  no       no          no            yes         no
// .png   merged  no                  no       no          no            no          no
// .bmp   merged  no                  no       no          no            no          no
//
// (*) link IDs, the current layer, the other palettes, the palettes' names,
// triples, colour-space IDs and masks, the drawing colour, the delay unit and
// the name counters: only the native format keeps them, with everything
// else, so its file must read back to the very same stored bytes.
enum : uint32_t {
    kEverything = 1 << 0,
    kLayers = 1 << 1,
    kShiftJisNames = 1 << 2,  // names of Shift-JIS text that fits 63 bytes
    kVisibility = 1 << 3,
    kMilliseconds = 1 << 4,  // delays cut to whole milliseconds
    kCurrentMask = 1 << 5,
    kBackground = 1 << 6,
};

const struct SFormat {
    const char* extension;
    uint32_t kept;
} kFormats[] = {
    {".gif", kBackground},
    {".png", 0},
    {".bmp", 0},
    {".sbx", kEverything},
    {".dpx", kLayers | kShiftJisNames | kVisibility | kMilliseconds | kCurrentMask | kBackground},
};

// Layers × width × height stays below this, to keep a seed quick.
constexpr size_t kPixelBudget = size_t{1} << 21;
constexpr int kMaxLayers = 64;

int SeedCount()
{
    const char* count = std::getenv("STIPPLEBOX_ROUNDTRIP_SEEDS");
    return count != nullptr ? std::max(1, std::atoi(count)) : 6;
}

class CRandomDocument {
public:
    explicit CRandomDocument(uint32_t seed) : m_random(seed) {}

    std::unique_ptr<CStippleboxData> Make()
    {
        const int width = Side();
        const int height = Side();
        const size_t maxLayers = std::clamp<size_t>(kPixelBudget / (size_t(width) * height), 1, kMaxLayers);
        const int layerCount = 1 + static_cast<int>(m_random() % maxLayers);
        auto document = std::make_unique<CStippleboxData>();
        document->Create(width, height);
        CStippleboxLayerPtrArray& layers = *document->GetLayers();
        for (int i = 1; i < layerCount; ++i) {
            layers.NewLayer(i, width, height);
        }
        m_shiftJisNames.clear();
        for (int i = 0; i < layerCount; ++i) {
            CStippleboxLayer& layer = *layers[i];
            FillWithRuns(layer);
            bool shiftJis = false;
            layer.SetName(Name(shiftJis));
            m_shiftJisNames.push_back(shiftJis);
            layer.SetVisible(m_random() % 2 == 0);
            layer.SetLinkID(1 + static_cast<int>(m_random() % layerCount));
            layer.GetDelay().SetDelay(Delay(), 0, false);
        }
        CStippleboxPalettePtrArray& palettes = *document->GetPalettes();
        const int paletteCount = 1 + static_cast<int>(m_random() % CStippleboxPalettePtrArray::kMaxPalettes);
        for (int p = 1; p < paletteCount; ++p) {
            palettes.NewPalette(p);
        }
        for (int p = 0; p < paletteCount; ++p) {
            CStippleboxPalette& palette = *palettes[p];
            for (int e = 0; e < palette.GetCount(); ++e) {
                palette.SetColor(e, {Byte(), Byte(), Byte()});
                palette.SetTriple(e, {Word(), Word(), Word()});
                palette.SetColorSpaceID(e, Byte() % 3);
                palette.SetMasked(e, Byte() % 4 == 0);
            }
            bool shiftJis = false;
            palette.SetName(Name(shiftJis));
        }
        // Text longer than a read block, and a selection, which no file keeps.
        const int chosen = static_cast<int>(m_random() % layerCount);
        layers[chosen]->SetName(layers[chosen]->GetLayerName() + std::u16string(40000, u'長'));
        m_shiftJisNames[chosen] = false;
        layers[chosen]->GetSelection().Create({0, 0, (width + 1) / 2, (height + 1) / 2});
        palettes.GetCurrent()->GetColorSelection()->SetMask(std::vector<uint8_t>(256, 1));
        layers.SetCurrentIndex(static_cast<int>(m_random() % layerCount));
        palettes.SetCurrentIndex(static_cast<int>(m_random() % paletteCount));
        document->SetDrawingColor(Byte());
        document->SetBackgroundColor(Byte());
        document->SetDelayUnit(static_cast<uint8_t>(m_random() % CDelay::kUnitCount));
        return document;
    }

    // Whether layer i's name is Shift-JIS text that fits a 63-byte field.
    bool HasShiftJisName(int i) const { return m_shiftJisNames[i]; }

private:
    uint8_t Byte() { return static_cast<uint8_t>(m_random()); }
    uint16_t Word() { return static_cast<uint16_t>(m_random()); }

    // Sides of one or two pixels, odd and full ones come often.
    int Side()
    {
        static constexpr int kEdges[] = {1, 2, 3, 1023, 1024};
        return m_random() % 3 == 0 ? kEdges[m_random() % std::size(kEdges)] : 1 + static_cast<int>(m_random() % 1024);
    }

    // Runs of one index, as pixel art has, in few or many colours.
    void FillWithRuns(CStippleboxLayer& layer)
    {
        const int colors = m_random() % 2 == 0 ? 4 : 256;
        uint8_t* pixel = layer.GetPixels();
        uint8_t* const end = pixel + layer.GetPixelCount();
        while (pixel < end) {
            const size_t run = std::min<size_t>(1 + m_random() % 40, end - pixel);
            std::memset(pixel, static_cast<int>(m_random() % colors), run);
            pixel += run;
        }
    }

    // Half the names are short Shift-JIS text; the others hold characters
    // that Shift-JIS lacks (accents, Hangul, an emoji, a lone surrogate) or
    // are too long for a DPX name.
    std::u16string Name(bool& shiftJis)
    {
        static constexpr std::u16string_view kShiftJis[] = {u"A", u"z", u"0", u" ", u"_", u"レ", u"線", u"あ", u"漢"};
        static constexpr std::u16string_view kOther[] = {u"é", u"ñ", u"한", u"\U0001F3A8", u"\xD800"};
        shiftJis = m_random() % 2 == 0;
        const size_t length = m_random() % (shiftJis ? 32 : 100);
        std::u16string name;
        for (size_t i = 0; i < length; ++i) {
            name += !shiftJis && m_random() % 3 == 0 ? kOther[m_random() % std::size(kOther)]
                                                      : kShiftJis[m_random() % std::size(kShiftJis)];
        }
        return name;
    }

    // Delays at the edges of ticks, milliseconds (6 ticks), hundredths (60),
    // GIF's 16-bit field and the 32-bit range, or anything in between.
    int32_t Delay()
    {
        static constexpr int32_t kEdges[] = {0, 1, 5, 6, 7, 59, 60, 61, 599, 600, 601, 3932100, 3932106, 0x7FFFFFFF};
        return m_random() % 2 == 0 ? kEdges[m_random() % std::size(kEdges)] : static_cast<int32_t>(m_random() % 100000);
    }

    std::mt19937 m_random;
    std::vector<bool> m_shiftJisNames;
};

bool SamePixels(const CStippleboxLayer& a, const CStippleboxLayer& b)
{
    return a.GetPixelCount() == b.GetPixelCount() &&
           std::equal(a.GetPixels(), a.GetPixels() + a.GetPixelCount(), b.GetPixels());
}

void ExpectKept(const SFormat& format, const CRandomDocument& maker, CStippleboxData& original, CStippleboxData& read)
{
    if (format.kept & kEverything) {
        EXPECT_TRUE(WriteChunkStream(original) == WriteChunkStream(read)) << "every stored byte";
        const CStippleboxLayerPtrArray& layers = *read.GetLayers();
        for (int i = 0; i < layers.GetSize(); ++i) {
            EXPECT_FALSE(layers[i]->GetSelection().HasMask()) << "layer " << i;
        }
        for (int p = 0; p < read.GetPalettes()->GetSize(); ++p) {
            const CStippleboxColorSelection* selection = read.GetPalettes()->GetAt(p)->GetColorSelection();
            EXPECT_TRUE(selection != nullptr && !selection->HasMask()) << "palette " << p;
        }
        EXPECT_EQ(CDelay::GetRememberedDelay(), layers[layers.GetSize() - 1]->GetDelay().GetTicks())
            << "reading remembers the last layer's delay";
        return;
    }
    ASSERT_EQ(read.GetWidth(), original.GetWidth());
    ASSERT_EQ(read.GetHeight(), original.GetHeight());
    const CStippleboxPalette& palette = *original.GetCurrentPalette();
    const CStippleboxPalette& readPalette = *read.GetCurrentPalette();
    EXPECT_TRUE(std::equal(palette.GetColorData(), palette.GetColorData() + palette.GetCount(),
                           readPalette.GetColorData()))
        << "the current palette's colours";

    const CStippleboxLayerPtrArray& layers = *original.GetLayers();
    const CStippleboxLayerPtrArray& readLayers = *read.GetLayers();
    if (!(format.kept & kLayers)) {
        CStippleboxLayer merged;
        merged.Create(original.GetWidth(), original.GetHeight());
        MergeLayers(layers, original.GetBackgroundColor(), merged);
        ASSERT_EQ(readLayers.GetSize(), 1);
        EXPECT_TRUE(SamePixels(merged, *readLayers[0])) << "the merged picture";
    } else {
        ASSERT_EQ(readLayers.GetSize(), layers.GetSize());
        for (int i = 0; i < layers.GetSize(); ++i) {
            const CStippleboxLayer& layer = *layers[i];
            const CStippleboxLayer& readLayer = *readLayers[i];
            EXPECT_TRUE(SamePixels(layer, readLayer)) << "layer " << i;
            if ((format.kept & kShiftJisNames) && maker.HasShiftJisName(i)) {
                EXPECT_EQ(readLayer.GetLayerName(), layer.GetLayerName()) << "layer " << i;
            }
            if (format.kept & kVisibility) {
                EXPECT_EQ(readLayer.IsVisible(), layer.IsVisible()) << "layer " << i;
            }
            if (format.kept & kMilliseconds) {
                EXPECT_EQ(readLayer.GetDelay().GetTicks(), layer.GetDelay().GetTicks() / 6 * 6) << "layer " << i;
            }
        }
    }
    if (format.kept & kCurrentMask) {
        EXPECT_TRUE(std::equal(palette.GetMaskData(), palette.GetMaskData() + palette.GetCount(),
                               readPalette.GetMaskData()))
            << "the current palette's mask";
    }
    if (format.kept & kBackground) {
        EXPECT_EQ(read.GetBackgroundColor(), original.GetBackgroundColor());
    }
}

class FormatRoundTrip : public ::testing::TestWithParam<uint32_t> {
protected:
    FormatRoundTrip() { AddStandardSerializers(m_serializers); }
    void TearDown() override { CDelay::SetRememberedDelay(500); }

    CSerializerList m_serializers;
    CScratchDirectory m_directory;
    CHeadlessMessageBoxScope m_boxes;
};

}  // namespace

TEST_P(FormatRoundTrip, WhatEachFormatKeepsComesBackEqual)
{
    CRandomDocument maker(GetParam());
    auto original = maker.Make();
    SCOPED_TRACE(std::to_string(original->GetWidth()) + " x " + std::to_string(original->GetHeight()) + ", " +
                 std::to_string(original->GetLayers()->GetSize()) + " layers");
    const std::vector<uint8_t> stored = WriteChunkStream(*original);
    for (const SFormat& format : kFormats) {
        SCOPED_TRACE(format.extension);
        const auto path = m_directory / (std::string("picture") + format.extension);
        auto* serializer = dynamic_cast<CSerializerImage*>(m_serializers.Find(path, CSerializer::kCanWrite));
        ASSERT_NE(serializer, nullptr);
        ASSERT_TRUE(WriteDocument(*serializer, path, *original)) << serializer->GetErrorText();
        CStippleboxData read;
        ASSERT_TRUE(serializer->Read(path, &read, false)) << serializer->GetErrorText();
        ExpectKept(format, maker, *original, read);
        ASSERT_TRUE(WriteChunkStream(*original) == stored) << "saving left the document as it was";
    }
    EXPECT_EQ(m_directory.GetEntryCount(), std::size(kFormats)) << "no temporary file is left behind";
    EXPECT_TRUE(m_boxes->GetRecords().empty());
}

INSTANTIATE_TEST_SUITE_P(Seeds, FormatRoundTrip, ::testing::Range(1u, 1u + unsigned(SeedCount())));
