#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <string>

#include "formats/sbx_file.h"
#include "formats/serializer_image_sbx.h"
#include "formats/stipplebox_chunk_file.h"
#include "model/stipplebox_data.h"
#include "platform/exceptions.h"
#include "support/chunk_bytes.h"
#include "support/headless_message_box_scope.h"
#include "support/scratch_directory.h"
#include "support/test_documents.h"

namespace {

const std::string kExpansionFailed = "圧縮データ展開中にエラーが発生しました。";
const std::string kSaveFailed = "データ保存中にエラーが発生しました。\n保存を中止します。";

Bytes Layer(uint32_t width, uint32_t height, const Bytes& pixels)
{
    return Concat({Chunk(1001, Dword(width)), Chunk(1002, Dword(height)), Chunk(1003, pixels)});
}

Bytes Array(uint32_t currentIndex, const std::vector<Bytes>& elements)
{
    Bytes array = Concat({Chunk(1001, Dword(currentIndex)), Chunk(1002, Dword(uint32_t(elements.size())))});
    for (const Bytes& element : elements) {
        array = Concat({array, Chunk(2001, element)});
    }
    return array;
}

Bytes Palette()
{
    CStippleboxPalette palette;
    palette.Create(CStippleboxPalette::kEntryCount, true);
    return WriteChunkStream(palette);
}

Bytes Document(uint32_t width, uint32_t height, const Bytes& layers, const Bytes& palettes)
{
    return Concat({Chunk(1001, Dword(width)), Chunk(1002, Dword(height)), Chunk(1003, layers), Chunk(1004, palettes)});
}

// Fails the way nothing in the program should, to see it reported.
template <class Exception>
class CThrowingObject : public CStippleboxChunkSerializer {
public:
    explicit CThrowingObject(Exception exception) : m_exception(std::move(exception)) {}
    void WriteChunks(CStippleboxChunkFile&) override { throw m_exception; }
    void ReadChunk(CStippleboxChunkFile&, uint16_t, uint32_t) override { throw m_exception; }
    std::u16string GetName() const override { return u"T"; }

private:
    Exception m_exception;
};

class SbxFormat : public ::testing::Test {
protected:
    void TearDown() override { CDelay::SetRememberedDelay(500); }

    // Reads as the editor's Open does: a document that fails to read is dropped.
    std::unique_ptr<CStippleboxData> Read(const Bytes& file)
    {
        WriteFileBytes(m_directory / "in.sbx", AsString(file));
        auto document = std::make_unique<CStippleboxData>();
        return m_serializer.Read(m_directory / "in.sbx", document.get(), true) ? std::move(document) : nullptr;
    }
    std::string RefusalOf(const Bytes& file)
    {
        EXPECT_EQ(Read(file), nullptr);
        return m_serializer.GetErrorText();
    }

    CScratchDirectory m_directory;
    CHeadlessMessageBoxScope m_boxes;
    CSerializerImageSbx m_serializer;
};

}  // namespace

// The stored fields of any document come back in the format round-trip test;
// this is their layout, byte for byte.
TEST_F(SbxFormat, TheTwoByOneExampleIsItsDocumentedChunkTreeDeflatedOnce)
{
    CDelay::SetRememberedDelay(500);
    const auto document = MakeTwoByOneExample();
    ASSERT_TRUE(sbx::SaveFile(*document, m_directory / "two.sbx", nullptr));
    const Bytes layer = Concat({Layer(2, 1, {0x11, 0x22}), Chunk(1000, {'A', 0}), Chunk(1004, {1}),
                                Chunk(1005, Dword(1)), Chunk(1006, Dword(500))});
    const Bytes palette = Concat({Chunk(1000, Dword(256)), Chunk(1001, Bytes(768)), Chunk(1002, Bytes(1536)),
                                  Chunk(1003, Bytes(256)), Chunk(1004, Bytes(256)),
                                  Chunk(1005, {'P', 0, 'a', 0, 'l', 0, '0', 0, '0', 0, '1', 0})});
    const Bytes stream = Concat({Document(2, 1, Array(0, {layer}), Array(0, {palette})), Chunk(1005, {0}),
                                 Chunk(1006, {0}), Chunk(1007, {6})});
    EXPECT_EQ(ReadFileBytes(m_directory / "two.sbx"), AsString(MakeSbxFile(stream)));
}

TEST_F(SbxFormat, AnUnknownChunkInsideALayerReadsAsIfAbsent)
{
    const Bytes layer = Concat({Layer(3, 2, {1, 2, 3, 4, 5, 6}), Chunk(1000, {0x42, 0})});
    const Bytes extended = Concat({Layer(3, 2, {1, 2, 3, 4, 5, 6}), Chunk(3000, Bytes(9, 0xAB)), Chunk(1000, {0x42, 0})});
    const auto plain = Read(MakeSbxFile(Document(3, 2, Array(0, {layer}), Array(0, {Palette()}))));
    const auto read = Read(MakeSbxFile(Document(3, 2, Array(0, {extended}), Array(0, {Palette()}))));
    ASSERT_NE(plain, nullptr);
    ASSERT_NE(read, nullptr) << m_serializer.GetErrorText();
    ExpectSameStoredContent(*plain, *read);
    EXPECT_EQ(read->GetCurrentLayer()->GetLayerName(), u"B");
}

TEST_F(SbxFormat, DamagedAndInconsistentFilesAreRefusedWithTheirReason)
{
    const Bytes stream = WriteChunkStream(*MakeRichDocument(4, 3, 2, 1, 5));
    const Bytes good = MakeSbxFile(stream);
    const auto size = static_cast<uint32_t>(stream.size());
    Bytes foreign = good;
    foreign[28] = 'A';  // "Stipplebox2DatA": the comparison is case-sensitive
    Bytes garbled = good;
    garbled[good.size() / 2] ^= 0x5A;

    const Bytes pixels(6, 9);
    const Bytes layers = Array(0, {Layer(3, 2, pixels)});
    const Bytes palettes = Array(0, {Palette()});
    const Bytes size32 = Concat({Chunk(1001, Dword(3)), Chunk(1002, Dword(2))});
    const Bytes count = Chunk(1000, Dword(256));
    std::vector<Bytes> palettesAndAFaultyOne(CStippleboxPalettePtrArray::kMaxPalettes, Palette());
    palettesAndAFaultyOne.push_back(Chunk(1000, Dword(255)));
    const Bytes elevenPalettes = Array(0, palettesAndAFaultyOne);
    const struct {
        const char* what;
        Bytes file;
        std::string message;
    } cases[] = {
        {"another identifier", foreign, "ファイルの種類が異なります。"},
        {"stream ends early", MakeSbxFile(stream, size + 1), kExpansionFailed},
        {"whole chunks beyond the length", MakeSbxFile(Concat({stream, Chunk(3000, {})}), size), kExpansionFailed},
        {"a huge claimed length", MakeSbxFile(stream, 0xFFFFFFFF), kExpansionFailed},
        {"no checksum", Bytes(good.begin(), good.end() - 4), kExpansionFailed},
        {"garbled data", garbled, kExpansionFailed},
        {"no zlib stream", Concat({SbxIdentifier(), Dword(size), Bytes(40, 0x33)}), kExpansionFailed},
        {"no layers", MakeSbxFile(Document(3, 2, Array(0, {}), palettes)), "レイヤがありません。"},
        {"no palettes", MakeSbxFile(Document(3, 2, layers, Array(0, {}))), "パレットがありません。"},
        {"no entry count", MakeSbxFile(Document(3, 2, layers, Array(0, {Chunk(1005, {})}))),
         "パレットの色数がありません。"},
        {"255 entries", MakeSbxFile(Document(3, 2, layers, Array(0, {Chunk(1000, Dword(255))}))),
         "パレットの色数が異常です。"},
        {"colours before the entry count", MakeSbxFile(Document(3, 2, layers, Array(0, {Chunk(1001, Bytes(768))}))),
         "パレットの色数がありません。"},
        {"short colours", MakeSbxFile(Document(3, 2, layers, Array(0, {Concat({count, Chunk(1001, Bytes(767))})}))),
         "パレットデータの大きさが色数と一致しません。"},
        {"short triples", MakeSbxFile(Document(3, 2, layers, Array(0, {Concat({count, Chunk(1002, Bytes(1535))})}))),
         "パレットデータの大きさが色数と一致しません。"},
        {"long masks", MakeSbxFile(Document(3, 2, layers, Array(0, {Concat({count, Chunk(1004, Bytes(257))})}))),
         "パレットデータの大きさが色数と一致しません。"},
        {"short pixels", MakeSbxFile(Document(3, 2, Array(0, {Layer(3, 2, Bytes(5))}), palettes)),
         "レイヤの画素データの大きさが異常です。"},
        {"no pixels", MakeSbxFile(Document(3, 2, Array(0, {size32}), palettes)), "レイヤの画素データがありません。"},
        {"layer smaller than the canvas",
         MakeSbxFile(Document(3, 2, Array(0, {Layer(3, 2, pixels), Layer(2, 2, Bytes(4))}), palettes)),
         "レイヤの大きさがキャンバスと一致しません。"},
        {"size changed after the pixels",
         MakeSbxFile(Document(3, 2, Array(0, {Concat({Layer(3, 2, pixels), Chunk(1001, Dword(4))})}), palettes)),
         "レイヤの大きさがキャンバスと一致しません。"},
        {"huge layer", MakeSbxFile(Document(3, 2, Array(0, {Layer(65536, 65536, pixels)}), palettes)),
         "レイヤの大きさが異常です。"},
        {"zero width", MakeSbxFile(Document(0, 2, layers, palettes)), "キャンバスサイズが異常です。"},
        {"wide canvas", MakeSbxFile(Document(1025, 2, layers, palettes)), "キャンバスサイズが大きすぎです。"},
        {"current layer past the end, after a delay",
         MakeSbxFile(Document(3, 2, Array(1, {Concat({Layer(3, 2, pixels), Chunk(1006, Dword(1200))})}), palettes)),
         "カレントレイヤの番号が異常です。"},
        {"negative current layer", MakeSbxFile(Document(3, 2, Array(~0u, {Layer(3, 2, pixels)}), palettes)),
         "カレントレイヤの番号が異常です。"},
        {"current palette past the end", MakeSbxFile(Document(3, 2, layers, Array(1, {Palette()}))),
         "カレントパレットの番号が異常です。"},
        {"short width", MakeSbxFile(Concat({Chunk(1001, {3, 0, 0}), Chunk(1002, Dword(2)), Chunk(1003, layers)})),
         "データの長さが異常です。"},
        // Refused where they stand, before anything after them is made: the
        // faults that follow would give other messages.
        {"layers before the canvas size", MakeSbxFile(Concat({Chunk(1003, layers), size32, Chunk(1004, palettes)})),
         "キャンバスサイズが異常です。"},
        {"a layer chunk too short for the canvas's pixels",
         MakeSbxFile(Document(3, 2, Array(0, {Chunk(1001, {3, 0, 0})}), palettes)),
         "レイヤの画素データがありません。"},
        {"a layer that ends without pixels",
         MakeSbxFile(Document(3, 2, Array(0, {Concat({size32, Chunk(3000, pixels)}), Layer(65536, 65536, pixels)}),
                              palettes)),
         "レイヤの画素データがありません。"},
        {"an eleventh palette", MakeSbxFile(Document(3, 2, layers, elevenPalettes)), "パレットが多すぎます。"},
    };
    ASSERT_NE(Read(good), nullptr);
    ASSERT_NE(Read(MakeSbxFile(Document(3, 2, layers, palettes))), nullptr) << "what the cases spoil is sound";
    CDelay::SetRememberedDelay(500);
    for (const auto& c : cases) {
        EXPECT_EQ(RefusalOf(c.file), c.message) << c.what;
    }
    EXPECT_FALSE(RefusalOf(MakeSbxFile(stream, size - 1)).empty()) << "the stream goes on";
    EXPECT_TRUE(m_boxes->GetRecords().empty());
    EXPECT_EQ(CDelay::GetRememberedDelay(), 500) << "a refused file leaves the remembered delay as it was";
}

TEST_F(SbxFormat, FileErrorsWhileReadingShowTheirOwnBox)
{
    EXPECT_EQ(RefusalOf(Bytes(10, 'S')), "");
    ASSERT_EQ(m_boxes->GetRecords().size(), 1u);
    EXPECT_EQ(m_boxes->GetRecords()[0].text, (m_directory / "in.sbx").string() + " の終わりを越えて読み込もうとしました。");

    const auto missing = m_directory / "missing.sbx";
    EXPECT_FALSE(m_serializer.Read(missing, std::make_unique<CStippleboxData>().get(), true));
    EXPECT_EQ(m_serializer.GetErrorText(), "ファイルのオープンに失敗しました。\n\n" + missing.string());
    const auto nowhere = m_directory / "no-folder" / "a.sbx";
    EXPECT_FALSE(m_serializer.Write(nowhere, MakeRichDocument(2, 2, 1, 1, 1).get()));
    EXPECT_EQ(m_serializer.GetErrorText(), "ファイルのオープンに失敗しました。\n\n" + nowhere.string());
}

TEST_F(SbxFormat, UnexpectedFailuresEndTheOperationWithAMessage)
{
    CMemFile sink;
    std::string error;
    CThrowingObject<std::runtime_error> odd(std::runtime_error("odd"));
    EXPECT_FALSE(sbx::Save(odd, sink, &error));
    EXPECT_EQ(error, kSaveFailed);
    EXPECT_FALSE(sbx::Save(odd, sink, nullptr));
    EXPECT_EQ(m_boxes->GetRecords().at(0).text, kSaveFailed) << "without a place for the text it is shown";

    std::string longText;
    for (int i = 0; i < 1500; ++i) {
        longText += "あ";
    }
    CThrowingObject<CDataFormatException> wordy{CDataFormatException(longText)};
    EXPECT_FALSE(sbx::Save(wordy, sink, &error));
    EXPECT_EQ(error, longText.substr(0, 1024 * 3)) << "at most 1024 characters of the exception's text";

    Bytes file = Concat({Bytes{'T', 0}, Dword(10), Deflated(Chunk(1, Dword(1)))});
    CMemFile source(file);
    EXPECT_FALSE(sbx::Load(odd, source, &error));
    EXPECT_EQ(error, "データ読み込み中にエラーが発生しました。\n読み込みを中止します。");
    m_boxes->ClearRecords();
    CThrowingObject<CMemoryException> starved{CMemoryException()};
    source.Seek(0, CFile::SeekOrigin::Begin);
    error.clear();
    EXPECT_FALSE(sbx::Load(starved, source, &error));
    EXPECT_EQ(error, "") << "a memory exception shows its own box";
    EXPECT_EQ(m_boxes->GetRecords().at(0).text, "メモリが不足しています。");
}

TEST_F(SbxFormat, AFailedSaveLeavesTheOldFileAsItWas)
{
    const auto path = m_directory / "keep.sbx";
    auto original = MakeRichDocument(16, 16, 3, 2, 77);
    ASSERT_TRUE(m_serializer.Write(path, original.get()));
    const std::string before = ReadFileBytes(path);

    {
        CFileSizeLimitScope diskFillsUp(200);
        EXPECT_FALSE(m_serializer.Write(path, MakeRichDocument(32, 32, 4, 1, 78).get()));
    }
    EXPECT_EQ(m_serializer.GetErrorText(), path.string() + " へのアクセス中にエラーが発生しました。");

    // Longer than a 32-bit length can describe; measured without holding it.
    class CHugeObject : public CStippleboxChunkSerializer {
        void WriteChunks(CStippleboxChunkFile& file) override
        {
            static const Bytes block(1 << 20);
            for (int i = 0; i <= 4096; ++i) {
                file.Write(block.data(), block.size());
            }
        }
    } huge;
    std::string error;
    EXPECT_FALSE(sbx::SaveFile(huge, path, &error));
    EXPECT_EQ(error, kSaveFailed);

    // Writes a byte more each time, so its measured length would lie.
    class CFickleObject : public CStippleboxChunkSerializer {
        void WriteChunks(CStippleboxChunkFile& file) override { file.WriteBytesChunk(1, Bytes(++calls)); }
        size_t calls = 0;
    } fickle;
    EXPECT_FALSE(sbx::SaveFile(fickle, path, &error));
    EXPECT_EQ(error, kSaveFailed);

    EXPECT_EQ(ReadFileBytes(path), before);
    EXPECT_EQ(m_directory.GetEntryCount(), 1u) << "the temporary files are removed";
}
