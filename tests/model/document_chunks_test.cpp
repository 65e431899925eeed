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
    void TearDown() override { CDelay::SetRememberedDelay(500); }
};

}  // namespace

// Read into a bigger, fuller document: reading must replace, not add to, what it held.
TEST_F(DocumentChunks, EveryStoredFieldSurvivesARoundTripAndSelectionsAreNotStored)
{
    auto original = MakeRichDocument(13, 7, 3, 2, 1234);
    original->GetLayers()->GetAt(2)->GetDelay().SetDelay(1200, 0, false);
    original->GetCurrentLayer()->GetSelection().Create({1, 1, 3, 3});
    original->GetCurrentPalette()->GetColorSelection()->SetMask(std::vector<uint8_t>(256, 1));

    auto copy = MakeRichDocument(20, 9, 4, 3, 99);
    ReadChunkStream(*copy, WriteChunkStream(*original));
    ExpectSameStoredContent(*original, *copy);
    EXPECT_EQ(CDelay::GetRememberedDelay(), 1200) << "reading remembers the last layer's delay";
    for (int i = 0; i < copy->GetLayers()->GetSize(); ++i) {
        EXPECT_FALSE(copy->GetLayers()->GetAt(i)->GetSelection().HasMask()) << "layer " << i;
    }
    for (int p = 0; p < copy->GetPalettes()->GetSize(); ++p) {
        ASSERT_NE(copy->GetPalettes()->GetAt(p)->GetColorSelection(), nullptr);
        EXPECT_FALSE(copy->GetPalettes()->GetAt(p)->GetColorSelection()->HasMask()) << "palette " << p;
    }
    EXPECT_EQ(WriteChunkStream(*copy), WriteChunkStream(*original)) << "the copy writes the same stream";
}

TEST_F(DocumentChunks, ATwoByOneDocumentWritesTheDocumentedBytes)
{
    const Bytes stream = WriteChunkStream(*MakeTwoByOneExample());
    const Bytes layer = Concat({Chunk(1001, Dword(2)), Chunk(1002, Dword(1)), Chunk(1003, {0x11, 0x22}),
                                Chunk(1000, {0x41, 0x00}), Chunk(1004, {1}), Chunk(1005, Dword(1)),
                                Chunk(1006, Dword(500))});
    const Bytes layers = Concat({Chunk(1001, Dword(0)), Chunk(1002, Dword(1)), Chunk(2001, layer)});
    const Bytes expectedStart = Concat({Chunk(1001, Dword(2)), Chunk(1002, Dword(1)), Chunk(1003, layers)});
    ASSERT_GT(stream.size(), expectedStart.size());
    EXPECT_EQ(Bytes(stream.begin(), stream.begin() + expectedStart.size()), expectedStart);
    EXPECT_EQ(Bytes(stream.begin(), stream.begin() + 10),
              (Bytes{0xE9, 0x03, 0x04, 0x00, 0x00, 0x00, 0x02, 0x00, 0x00, 0x00}));
    // The palette array follows, and the stream ends with the three colour bytes.
    EXPECT_EQ(stream[expectedStart.size()], 0xEC);
    EXPECT_EQ(stream[expectedStart.size() + 1], 0x03);
    EXPECT_EQ(Bytes(stream.end() - 21, stream.end()), Concat({Chunk(1005, {0}), Chunk(1006, {0}), Chunk(1007, {6})}));
}

TEST_F(DocumentChunks, PixelAndPaletteChunksOfTheWrongSizeAreRefused)
{
    const Bytes size32 = Concat({Chunk(1001, Dword(3)), Chunk(1002, Dword(2))});
    const Bytes count = Chunk(1000, Dword(256));
    const struct {
        const char* what;
        bool layer;
        Bytes chunks;
        bool refused;
    } cases[] = {
        {"short pixels", true, Concat({size32, Chunk(1003, Bytes(5))}), true},
        {"overflowing size", true,
         Concat({Chunk(1001, Dword(0x40000000)), Chunk(1002, Dword(0x40000000)), Chunk(1003, Bytes(16))}), true},
        {"fitting pixels", true, Concat({size32, Chunk(1003, Bytes(6))}), false},
        {"255 entries", false, Chunk(1000, Dword(255)), true},
        {"huge entry count", false, Chunk(1000, Dword(0xFFFFFFFF)), true},
        {"colours before the entry count", false, Chunk(1001, Bytes(768)), true},
        {"short colours", false, Concat({count, Chunk(1001, Bytes(767))}), true},
        {"short triples", false, Concat({count, Chunk(1002, Bytes(1535))}), true},
        {"long masks", false, Concat({count, Chunk(1004, Bytes(257))}), true},
        {"fitting colour-space IDs", false, Concat({count, Chunk(1003, Bytes(256))}), false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const auto read = [&] {
            CStippleboxLayer layer;
            CStippleboxPalette palette;
            c.layer ? ReadChunkStream(layer, c.chunks) : ReadChunkStream(palette, c.chunks);
        };
        if (c.refused) {
            EXPECT_THROW(read(), CDataFormatException);
        } else {
            EXPECT_NO_THROW(read());
        }
    }
}
