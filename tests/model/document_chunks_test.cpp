#include <gtest/gtest.h>

#include <vector>

#include "formats/stipplebox_chunk_file.h"
#include "model/stipplebox_color_selection.h"
#include "model/stipplebox_data.h"
#include "model/stipplebox_image_selection.h"
#include "platform/exceptions.h"
#include "support/chunk_bytes.h"
#include "support/test_documents.h"

namespace {

class DocumentChunks : public ::testing::Test {
protected:
    void SetUp() override { CDelay::SetRememberedDelay(500); }
    void TearDown() override { CDelay::SetRememberedDelay(500); }
};

}  // namespace

TEST_F(DocumentChunks, EveryStoredFieldSurvivesARoundTrip)
{
    auto original = MakeRichDocument(13, 7, 3, 2, 1234);
    original->GetLayers()->SetCurrentIndex(2);
    original->GetPalettes()->SetCurrentIndex(1);
    original->GetCurrentLayer()->GetSelection().Create({1, 1, 3, 3});

    CStippleboxData copy;
    ReadChunkStream(copy, WriteChunkStream(*original));
    ExpectSameStoredContent(*original, copy);
    EXPECT_EQ(copy.GetLayers()->GetCurrentIndex(), 2);
    EXPECT_EQ(copy.GetPalettes()->GetCurrentIndex(), 1);
    EXPECT_EQ(copy.GetDrawingColor(), 5);
    EXPECT_EQ(copy.GetBackgroundColor(), 7);
    EXPECT_EQ(copy.GetDelayUnit(), 8);
    for (int i = 0; i < copy.GetLayers()->GetSize(); ++i) {
        EXPECT_FALSE(copy.GetLayers()->GetAt(i)->GetSelection().HasMask()) << "selections are not stored";
    }
    for (int p = 0; p < copy.GetPalettes()->GetSize(); ++p) {
        ASSERT_NE(copy.GetPalettes()->GetAt(p)->GetColorSelection(), nullptr);
        EXPECT_FALSE(copy.GetPalettes()->GetAt(p)->GetColorSelection()->HasMask());
    }
    // Writing the copy again gives the same stream.
    EXPECT_EQ(WriteChunkStream(copy), WriteChunkStream(*original));
}

TEST_F(DocumentChunks, ATwoByOneDocumentWritesTheDocumentedBytes)
{
    const auto document = MakeTwoByOneExample();
    const Bytes stream = WriteChunkStream(*document);

    const Bytes layer = Concat({Chunk(1001, Dword(2)), Chunk(1002, Dword(1)), Chunk(1003, {0x11, 0x22}),
                                Chunk(1000, {0x41, 0x00}), Chunk(1004, {1}), Chunk(1005, Dword(1)),
                                Chunk(1006, Dword(500))});
    const Bytes layers = Concat({Chunk(1001, Dword(0)), Chunk(1002, Dword(1)), Chunk(2001, layer)});
    const Bytes expectedStart = Concat({Chunk(1001, Dword(2)), Chunk(1002, Dword(1)), Chunk(1003, layers)});
    ASSERT_GT(stream.size(), expectedStart.size());
    EXPECT_EQ(Bytes(stream.begin(), stream.begin() + expectedStart.size()), expectedStart);
    EXPECT_EQ(Bytes(stream.begin(), stream.begin() + 10),
              (Bytes{0xE9, 0x03, 0x04, 0x00, 0x00, 0x00, 0x02, 0x00, 0x00, 0x00}));

    // Palette array, then the three colour bytes.
    EXPECT_EQ(stream[expectedStart.size()], 0xEC);
    EXPECT_EQ(stream[expectedStart.size() + 1], 0x03);
    const Bytes tail(stream.end() - 21, stream.end());
    EXPECT_EQ(tail, Concat({Chunk(1005, {0}), Chunk(1006, {0}), Chunk(1007, {6})}));
}

TEST_F(DocumentChunks, AnUnknownChunkInsideALayerReadsAsIfAbsent)
{
    auto original = MakeRichDocument(3, 2, 1, 1, 7);
    const Bytes layer = Concat({Chunk(1001, Dword(3)), Chunk(1002, Dword(2)), Chunk(3000, Bytes(9, 0xAB)),
                                Chunk(1003, Bytes(6, 4)), Chunk(1000, {0x42, 0x00})});
    const Bytes stream = Concat({Chunk(1001, Dword(3)), Chunk(1002, Dword(2)),
                                 Chunk(1003, Concat({Chunk(1001, Dword(0)), Chunk(2001, layer)})),
                                 Chunk(1004, Concat({Chunk(2001, WriteChunkStream(*original->GetCurrentPalette()))}))});
    CStippleboxData document;
    ReadChunkStream(document, stream);
    ASSERT_EQ(document.GetLayers()->GetSize(), 1);
    const CStippleboxLayer& read = *document.GetCurrentLayer();
    EXPECT_EQ(read.GetLayerName(), u"B");
    EXPECT_EQ(read.GetPixel(2, 1), 4);
    EXPECT_EQ(document.GetCurrentPalette()->GetColor(17), original->GetCurrentPalette()->GetColor(17));
}

TEST_F(DocumentChunks, ReadingRemembersTheLastLayersDelay)
{
    auto original = MakeRichDocument(2, 2, 3, 1, 99);
    original->GetLayers()->GetAt(2)->GetDelay().SetDelay(1200, 0, false);
    CStippleboxData copy;
    ReadChunkStream(copy, WriteChunkStream(*original));
    EXPECT_EQ(CDelay::GetRememberedDelay(), 1200);
    EXPECT_EQ(copy.GetLayers()->NewLayer(0, 2, 2)->GetDelay().GetTicks(), 1200);
}

TEST_F(DocumentChunks, ReadingReplacesWhatTheDocumentHeld)
{
    auto small = MakeRichDocument(2, 2, 1, 1, 3);
    auto big = MakeRichDocument(4, 4, 3, 2, 4);
    ReadChunkStream(*big, WriteChunkStream(*small));
    ExpectSameStoredContent(*small, *big);
}

TEST_F(DocumentChunks, PixelAndPaletteChunksOfTheWrongSizeAreRefused)
{
    auto readLayer = [](const Bytes& layerChunks) {
        CStippleboxLayer layer;
        ReadChunkStream(layer, layerChunks);
    };
    EXPECT_THROW(readLayer(Concat({Chunk(1001, Dword(3)), Chunk(1002, Dword(2)), Chunk(1003, Bytes(5))})),
                 CDataFormatException);
    EXPECT_THROW(readLayer(Concat({Chunk(1001, Dword(0x40000000)), Chunk(1002, Dword(0x40000000)),
                                   Chunk(1003, Bytes(16))})),
                 CDataFormatException);
    EXPECT_NO_THROW(readLayer(Concat({Chunk(1001, Dword(3)), Chunk(1002, Dword(2)), Chunk(1003, Bytes(6))})));

    auto readPalette = [](const Bytes& paletteChunks) {
        CStippleboxPalette palette;
        ReadChunkStream(palette, paletteChunks);
    };
    EXPECT_THROW(readPalette(Chunk(1000, Dword(255))), CDataFormatException);
    EXPECT_THROW(readPalette(Chunk(1000, Dword(0xFFFFFFFF))), CDataFormatException);
    EXPECT_THROW(readPalette(Chunk(1001, Bytes(768))), CDataFormatException) << "entry count must come first";
    EXPECT_THROW(readPalette(Concat({Chunk(1000, Dword(256)), Chunk(1001, Bytes(767))})), CDataFormatException);
    EXPECT_THROW(readPalette(Concat({Chunk(1000, Dword(256)), Chunk(1002, Bytes(1535))})), CDataFormatException);
    EXPECT_THROW(readPalette(Concat({Chunk(1000, Dword(256)), Chunk(1004, Bytes(257))})), CDataFormatException);
    EXPECT_NO_THROW(readPalette(Concat({Chunk(1000, Dword(256)), Chunk(1003, Bytes(256))})));
}
