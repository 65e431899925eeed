#include <gtest/gtest.h>

#include <string>

#include "formats/deflating_file.h"
#include "formats/inflating_file.h"
#include "formats/stipplebox_chunk_file.h"
#include "model/stipplebox_data.h"
#include "platform/exceptions.h"
#include "support/sbx_bytes.h"
#include "support/test_documents.h"

namespace {

// A long stream of varied bytes: several input blocks, several output blocks.
Bytes VariedBytes(size_t size)
{
    Bytes bytes(size);
    for (size_t i = 0; i < size; ++i) {
        bytes[i] = static_cast<uint8_t>((i * 2654435761u) >> 13);
    }
    return bytes;
}

}  // namespace

TEST(DeflatingFile, ForwardOnlyChunksCompressToWhatZlibMakesOfTheWholeStream)
{
    auto document = MakeRichDocument(300, 200, 3, 2, 8);
    const Bytes stream = WriteChunkStream(*document);
    EXPECT_EQ(CStippleboxChunkFile::MeasureChunks(*document), stream.size());

    CMemFile target;
    CDeflatingFile deflated(target);
    ASSERT_TRUE(deflated.Initialize());
    CStippleboxChunkFile chunks;
    chunks.SetForwardOnly(true);
    chunks.Attach(&deflated, false);
    document->WriteChunks(chunks);
    ASSERT_TRUE(deflated.Finish());
    EXPECT_EQ(deflated.GetLength(), stream.size());

    const Bytes packed(target.GetData().begin(), target.GetData().end());
    EXPECT_EQ(packed, Deflated(stream)) << "the same bytes as one compress2 call";
    EXPECT_THROW(deflated.Seek(-4, CFile::SeekOrigin::Current), CFileException);
}

TEST(InflatingFile, ReadsAndSkipsInAnyPiecesAndChecksTheEnd)
{
    const Bytes stream = VariedBytes(100000);
    Bytes packed = Deflated(stream);
    CMemFile source(packed);
    CInflatingFile inflated(source, stream.size());
    ASSERT_TRUE(inflated.Initialize());

    Bytes piece(7);
    ASSERT_EQ(inflated.Read(piece.data(), piece.size()), 7u);
    EXPECT_EQ(piece, Bytes(stream.begin(), stream.begin() + 7));
    EXPECT_EQ(inflated.Seek(50000, CFile::SeekOrigin::Begin), 50000u);
    ASSERT_EQ(inflated.Read(piece.data(), piece.size()), 7u);
    EXPECT_EQ(piece, Bytes(stream.begin() + 50000, stream.begin() + 50007));
    EXPECT_THROW(inflated.Seek(10, CFile::SeekOrigin::Begin), CFileException) << "no way back";

    inflated.Seek(-3, CFile::SeekOrigin::End);
    EXPECT_EQ(inflated.Read(piece.data(), piece.size()), 3u) << "a read stops at the length";
    EXPECT_NO_THROW(inflated.Finish());
}

TEST(InflatingFile, AStreamOfAnotherLengthIsAnExpansionError)
{
    const Bytes stream = VariedBytes(30000);
    Bytes packed = Deflated(stream);
    const auto expansionError = [&](uint64_t claimedLength) {
        CMemFile source(packed);
        CInflatingFile inflated(source, claimedLength);
        EXPECT_TRUE(inflated.Initialize());
        try {
            inflated.Finish();
        } catch (const CDataFormatException& error) {
            return error.GetErrorMessage();
        }
        return std::string("accepted");
    };
    EXPECT_EQ(expansionError(stream.size()), "accepted");
    EXPECT_EQ(expansionError(stream.size() + 1), "圧縮データ展開中にエラーが発生しました。");
    EXPECT_EQ(expansionError(stream.size() - 1), "圧縮データ展開中にエラーが発生しました。");
    EXPECT_EQ(expansionError(0xFFFFFFFFu), "圧縮データ展開中にエラーが発生しました。");
    packed.resize(packed.size() / 2);
    EXPECT_EQ(expansionError(stream.size()), "圧縮データ展開中にエラーが発生しました。") << "the file runs out";
}

TEST(InflatingFile, LongTextArrivesWhole)
{
    // Longer than one block of the string reader.
    std::u16string name(70001, u'\u30EC');
    name[40000] = u'A';
    CMemFile written;
    CStippleboxChunkFile writer;
    writer.Attach(&written, false);
    writer.WriteStringChunk(1000, name);
    Bytes stream(written.GetData().begin(), written.GetData().end());

    Bytes packed = Deflated(stream);
    CMemFile source(packed);
    CInflatingFile inflated(source, stream.size());
    ASSERT_TRUE(inflated.Initialize());
    CStippleboxChunkFile reader;
    reader.Attach(&inflated, false);
    EXPECT_EQ(reader.ReadWord(), 1000);
    EXPECT_EQ(reader.ReadString(reader.ReadDword() / 2), name);
}
