#include <gtest/gtest.h>

#include <zlib.h>

#include <random>

#include "commands/color_compress_data.h"
#include "commands/compress_data.h"
#include "model/stipplebox_data.h"
#include "support/headless_message_box_scope.h"
#include "support/test_documents.h"

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

