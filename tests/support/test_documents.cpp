#include "support/test_documents.h"

#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <string>

#include "formats/stipplebox_chunk_file.h"
#include "model/stipplebox_data.h"
#include "platform/text.h"

std::unique_ptr<CStippleboxData> MakeRichDocument(int width, int height, int layerCount, int paletteCount,
                                                  uint32_t seed)
{
    std::mt19937 random(seed);
    auto byte = [&] { return static_cast<uint8_t>(random() & 0xFF); };

    auto document = std::make_unique<CStippleboxData>();
    document->Create(width, height);
    CStippleboxLayerPtrArray& layers = *document->GetLayers();
    for (int i = 1; i < layerCount; ++i) {
        layers.NewLayer(i, width, height);
    }
    for (int i = 0; i < layerCount; ++i) {
        CStippleboxLayer& layer = *layers[i];
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                layer.SetPixel(x, y, byte());
            }
        }
        layer.SetName(sb::Utf8ToUtf16("レイヤ" + std::to_string(i) + "\xF0\x9F\x8E\xA8"));
        layer.SetVisible(i % 2 == 0);
        layer.SetLinkID(i % 3 == 0 ? 7 : i + 1);
        layer.GetDelay().SetDelay(100 + 37 * i, 0, false);
    }
    CStippleboxPalettePtrArray& palettes = *document->GetPalettes();
    for (int i = 1; i < paletteCount; ++i) {
        palettes.NewPalette(i);
    }
    for (int p = 0; p < paletteCount; ++p) {
        CStippleboxPalette& palette = *palettes[p];
        for (int e = 0; e < palette.GetCount(); ++e) {
            palette.SetColor(e, {byte(), byte(), byte()});
            palette.SetTriple(e, {static_cast<uint16_t>(random()), static_cast<uint16_t>(random()),
                                  static_cast<uint16_t>(random())});
            palette.SetColorSpaceID(e, byte() % 3);
            palette.SetMasked(e, byte() % 5 == 0);
        }
        palette.SetName(sb::Utf8ToUtf16("パレット" + std::to_string(p)));
    }
    layers.SetCurrentIndex(layerCount - 1);
    palettes.SetCurrentIndex(paletteCount - 1);
    document->SetDrawingColor(5);
    document->SetBackgroundColor(7);
    document->SetDelayUnit(8);
    return document;
}

std::unique_ptr<CStippleboxData> MakeTwoByOneExample()
{
    auto document = std::make_unique<CStippleboxData>();
    document->Create(2, 1);
    document->GetCurrentLayer()->SetName(u"A");
    document->GetCurrentLayer()->SetPixel(0, 0, 0x11);
    document->GetCurrentLayer()->SetPixel(1, 0, 0x22);
    return document;
}

std::vector<uint8_t> WriteChunkStream(CStippleboxChunkSerializer& object)
{
    CMemFile memory;
    CStippleboxChunkFile file;
    file.Attach(&memory, false);
    object.WriteChunks(file);
    file.Detach();
    return memory.Detach();
}

void ExpectSameStoredContent(const CStippleboxData& expected, const CStippleboxData& actual)
{
    ASSERT_EQ(expected.GetWidth(), actual.GetWidth());
    ASSERT_EQ(expected.GetHeight(), actual.GetHeight());
    EXPECT_EQ(expected.GetDrawingColor(), actual.GetDrawingColor());
    EXPECT_EQ(expected.GetBackgroundColor(), actual.GetBackgroundColor());
    EXPECT_EQ(expected.GetDelayUnit(), actual.GetDelayUnit());

    const CStippleboxLayerPtrArray& expectedLayers = *expected.GetLayers();
    const CStippleboxLayerPtrArray& actualLayers = *actual.GetLayers();
    ASSERT_EQ(expectedLayers.GetSize(), actualLayers.GetSize());
    EXPECT_EQ(expectedLayers.GetCurrentIndex(), actualLayers.GetCurrentIndex());
    EXPECT_EQ(expectedLayers.GetNameCounter(), actualLayers.GetNameCounter());
    for (int i = 0; i < expectedLayers.GetSize(); ++i) {
        SCOPED_TRACE("layer " + std::to_string(i));
        const CStippleboxLayer& a = *expectedLayers[i];
        const CStippleboxLayer& b = *actualLayers[i];
        ASSERT_EQ(a.GetWidth(), b.GetWidth());
        ASSERT_EQ(a.GetHeight(), b.GetHeight());
        EXPECT_EQ(0, std::memcmp(a.GetPixels(), b.GetPixels(), size_t(a.GetWidth()) * a.GetHeight()));
        EXPECT_EQ(a.GetLayerName(), b.GetLayerName());
        EXPECT_EQ(a.IsVisible(), b.IsVisible());
        EXPECT_EQ(a.GetLinkID(), b.GetLinkID());
        EXPECT_EQ(a.GetDelay().GetTicks(), b.GetDelay().GetTicks());
    }

    const CStippleboxPalettePtrArray& expectedPalettes = *expected.GetPalettes();
    const CStippleboxPalettePtrArray& actualPalettes = *actual.GetPalettes();
    ASSERT_EQ(expectedPalettes.GetSize(), actualPalettes.GetSize());
    EXPECT_EQ(expectedPalettes.GetCurrentIndex(), actualPalettes.GetCurrentIndex());
    EXPECT_EQ(expectedPalettes.GetNameCounter(), actualPalettes.GetNameCounter());
    for (int p = 0; p < expectedPalettes.GetSize(); ++p) {
        SCOPED_TRACE("palette " + std::to_string(p));
        const CStippleboxPalette& a = *expectedPalettes[p];
        const CStippleboxPalette& b = *actualPalettes[p];
        ASSERT_EQ(a.GetCount(), b.GetCount());
        EXPECT_EQ(a.GetPaletteName(), b.GetPaletteName());
        for (int e = 0; e < a.GetCount(); ++e) {
            EXPECT_EQ(a.GetColor(e), b.GetColor(e)) << "entry " << e;
            EXPECT_EQ(a.GetDisplayPixel(e), b.GetDisplayPixel(e)) << "entry " << e;
            EXPECT_EQ(a.GetTriple(e), b.GetTriple(e)) << "entry " << e;
            EXPECT_EQ(a.GetColorSpaceID(e), b.GetColorSpaceID(e)) << "entry " << e;
            EXPECT_EQ(a.IsMasked(e), b.IsMasked(e)) << "entry " << e;
        }
    }
}
