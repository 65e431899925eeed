#include <gtest/gtest.h>
#include <zlib.h>

#include <filesystem>
#include <memory>
#include <stdexcept>
#include <string>

#include "formats/sbx_file.h"
#include "formats/serializer_image_sbx.h"
#include "formats/serializer_list.h"
#include "formats/standard_serializers.h"
#include "formats/stipplebox_chunk_file.h"
#include "model/stipplebox_data.h"
#include "model/stipplebox_image_selection.h"
#include "platform/exceptions.h"
#include "support/headless_message_box_scope.h"
#include "support/sbx_bytes.h"
#include "support/scratch_directory.h"
#include "support/test_documents.h"

namespace {

namespace fs = std::filesystem;

const std::string kExpansionFailed = "圧縮データ展開中にエラーが発生しました。";

Bytes Inflated(const Bytes& packed, size_t expectedSize)
{
    Bytes stream(expectedSize);
    uLongf size = expectedSize;
    EXPECT_EQ(uncompress(stream.data(), &size, packed.data(), packed.size()), Z_OK);
    EXPECT_EQ(size, expectedSize);
    return stream;
}

// Chunk streams of small documents, element by element.
Bytes LayerChunks(uint32_t width, uint32_t height, const Bytes& pixels)
{
    return Concat({Chunk(1001, Dword(width)), Chunk(1002, Dword(height)), Chunk(1003, pixels)});
}

Bytes ValidPaletteChunks()
{
    CStippleboxPalette palette;
    palette.Create(CStippleboxPalette::kEntryCount, true);
    palette.SetColor(3, {1, 2, 3});
    return WriteChunkStream(palette);
}

Bytes ArrayChunks(uint32_t currentIndex, std::initializer_list<Bytes> elements)
{
    Bytes array = Chunk(1001, Dword(currentIndex));
    for (const Bytes& element : elements) {
        array = Concat({array, Chunk(2001, element)});
    }
    return array;
}

Bytes DocumentChunks(uint32_t width, uint32_t height, const Bytes& layerArray, const Bytes& paletteArray)
{
    return Concat({Chunk(1001, Dword(width)), Chunk(1002, Dword(height)), Chunk(1003, layerArray),
                   Chunk(1004, paletteArray)});
}

// Objects that fail the way nothing in the program should, to see the
// failures reported rather than escape.
template <class Exception>
class CThrowingObject : public CStippleboxChunkSerializer {
public:
    explicit CThrowingObject(Exception exception) : m_exception(std::move(exception)) {}
    void WriteChunks(CStippleboxChunkFile&) override { throw m_exception; }
    void ReadChunk(CStippleboxChunkFile&, uint16_t, uint32_t) override { throw m_exception; }
    std::u16string GetName() const override { return u"Thrower"; }

private:
    Exception m_exception;
};

// Writes more than a 32-bit length can describe, without holding any of it.
class CHugeObject : public CStippleboxChunkSerializer {
public:
    void WriteChunks(CStippleboxChunkFile& file) override
    {
        static const std::vector<uint8_t> block(1 << 20);
        for (int i = 0; i <= 4096; ++i) {
            file.Write(block.data(), block.size());
        }
    }
};

// Writes one byte more each time it is asked, so its measured length is wrong.
class CFickleObject : public CStippleboxChunkSerializer {
public:
    void WriteChunks(CStippleboxChunkFile& file) override { file.WriteBytesChunk(1, Bytes(++m_calls, 0)); }

private:
    size_t m_calls = 0;
};

class SbxFormat : public ::testing::Test {
protected:
    void SetUp() override { CDelay::SetRememberedDelay(500); }
    void TearDown() override { CDelay::SetRememberedDelay(500); }

    // Reads as the editor's Open does: a document that fails to read is dropped.
    std::unique_ptr<CStippleboxData> Read(const fs::path& path)
    {
        auto document = std::make_unique<CStippleboxData>();
        if (!m_serializer.Read(path, document.get(), true)) {
            return nullptr;
        }
        return document;
    }
    std::unique_ptr<CStippleboxData> ReadFile(const Bytes& file)
    {
        WriteFileBytes(m_directory / "in.sbx", AsString(file));
        return Read(m_directory / "in.sbx");
    }
    // The error text of a refused file.
    std::string RefusalOf(const Bytes& file)
    {
        EXPECT_EQ(ReadFile(file), nullptr);
        return m_serializer.GetErrorText();
    }

    CScratchDirectory m_directory;
    CHeadlessMessageBoxScope m_boxes;
    CSerializerImageSbx m_serializer;
};

}  // namespace

TEST_F(SbxFormat, EveryStoredFieldSurvivesAFileRoundTrip)
{
    auto original = MakeRichDocument(13, 7, 3, 2, 2024);
    original->GetLayers()->SetCurrentIndex(2);
    original->GetPalettes()->SetCurrentIndex(1);
    original->GetLayers()->GetAt(2)->GetDelay().SetDelay(1200, 0, false);
    original->GetLayers()->GetAt(1)->GetSelection().Create({1, 1, 4, 3});
    const fs::path path = m_directory / "rich.sbx";

    ASSERT_TRUE(m_serializer.Write(path, original.get())) << m_serializer.GetErrorText();
    const auto copy = Read(path);
    ASSERT_NE(copy, nullptr) << m_serializer.GetErrorText();

    ExpectSameStoredContent(*original, *copy);
    EXPECT_EQ(copy->GetLayers()->GetCurrentIndex(), 2);
    EXPECT_EQ(copy->GetPalettes()->GetCurrentIndex(), 1);
    EXPECT_EQ(copy->GetDrawingColor(), 5);
    EXPECT_EQ(copy->GetBackgroundColor(), 7);
    EXPECT_EQ(copy->GetDelayUnit(), 8);
    EXPECT_FALSE(copy->GetLayers()->GetAt(1)->GetSelection().HasMask()) << "selections are not stored";
    EXPECT_EQ(copy->GetLayers()->NewLayer(0, 13, 7)->GetDelay().GetTicks(), 1200)
        << "reading remembers the last layer's delay";
    EXPECT_TRUE(m_boxes->GetRecords().empty());
    EXPECT_EQ(m_directory.GetEntryCount(), 1u) << "no temporary file is left behind";
}

TEST_F(SbxFormat, AFileIsTheIdentifierTheStreamLengthAndTheDeflatedChunkStream)
{
    const auto document = MakeTwoByOneExample();
    const Bytes stream = WriteChunkStream(*document);
    const fs::path path = m_directory / "two.sbx";
    ASSERT_TRUE(sbx::SaveFile(*document, path, nullptr));

    const Bytes file = AsBytes(ReadFileBytes(path));
    ASSERT_GT(file.size(), 34u);
    EXPECT_EQ(Bytes(file.begin(), file.begin() + 30), SbxIdentifier());
    EXPECT_EQ(Bytes(file.begin() + 30, file.begin() + 34), Dword(static_cast<uint32_t>(stream.size())));
    const Bytes packed(file.begin() + 34, file.end());
    EXPECT_EQ(packed, Deflated(stream)) << "one deflate pass at zlib's default level";
    const Bytes inflated = Inflated(packed, stream.size());
    EXPECT_EQ(inflated, stream);
    EXPECT_EQ(Bytes(inflated.begin(), inflated.begin() + 10),
              (Bytes{0xE9, 0x03, 0x04, 0x00, 0x00, 0x00, 0x02, 0x00, 0x00, 0x00}));
}

TEST_F(SbxFormat, AnUnknownChunkInsideALayerReadsAsIfAbsent)
{
    const Bytes pixels{1, 2, 3, 4, 5, 6};
    const Bytes plainLayer = Concat({LayerChunks(3, 2, pixels), Chunk(1000, {0x42, 0x00})});
    const Bytes layerWithExtra =
        Concat({LayerChunks(3, 2, pixels), Chunk(3000, Bytes(9, 0xAB)), Chunk(1000, {0x42, 0x00})});
    const Bytes palettes = ArrayChunks(0, {ValidPaletteChunks()});

    const auto plain = ReadFile(MakeSbxFile(DocumentChunks(3, 2, ArrayChunks(0, {plainLayer}), palettes)));
    const auto extended = ReadFile(MakeSbxFile(DocumentChunks(3, 2, ArrayChunks(0, {layerWithExtra}), palettes)));
    ASSERT_NE(plain, nullptr) << m_serializer.GetErrorText();
    ASSERT_NE(extended, nullptr) << m_serializer.GetErrorText();
    ExpectSameStoredContent(*plain, *extended);
    EXPECT_EQ(extended->GetCurrentLayer()->GetLayerName(), u"B");
    EXPECT_EQ(extended->GetCurrentLayer()->GetPixel(2, 1), 6);
}

TEST_F(SbxFormat, PathsThatCannotBeOpenedAreNamedInTheMessage)
{
    const fs::path missing = m_directory / "missing.sbx";
    EXPECT_EQ(Read(missing), nullptr);
    EXPECT_EQ(m_serializer.GetErrorText(), "ファイルのオープンに失敗しました。\n\n" + missing.string());

    auto document = MakeRichDocument(2, 2, 1, 1, 1);
    const fs::path nowhere = m_directory / "no-folder" / "a.sbx";
    EXPECT_FALSE(m_serializer.Write(nowhere, document.get()));
    EXPECT_EQ(m_serializer.GetErrorText(), "ファイルのオープンに失敗しました。\n\n" + nowhere.string());
}

TEST_F(SbxFormat, DamagedFilesAreRefusedWithTheFormatsMessages)
{
    auto document = MakeRichDocument(4, 3, 2, 1, 5);
    const Bytes stream = WriteChunkStream(*document);
    const Bytes good = MakeSbxFile(stream);
    ASSERT_NE(ReadFile(good), nullptr) << m_serializer.GetErrorText();

    Bytes foreign = good;
    foreign[28] = 'A';  // "Stipplebox2DatA": the comparison is case-sensitive
    EXPECT_EQ(RefusalOf(foreign), "ファイルの種類が異なります。");

    const auto size = static_cast<uint32_t>(stream.size());
    EXPECT_EQ(RefusalOf(MakeSbxFile(stream, size + 1)), kExpansionFailed) << "the stream ends early";
    EXPECT_FALSE(RefusalOf(MakeSbxFile(stream, size - 1)).empty()) << "the stream goes on";
    EXPECT_EQ(RefusalOf(MakeSbxFile(Concat({stream, Chunk(3000, Dword(0))}), size)), kExpansionFailed)
        << "whole chunks beyond the stored length";
    EXPECT_EQ(RefusalOf(MakeSbxFile(stream, 0xFFFFFFFF)), kExpansionFailed)
        << "a huge claimed length costs nothing ahead of the data";
    EXPECT_EQ(RefusalOf(Bytes(good.begin(), good.end() - 4)), kExpansionFailed) << "no checksum";
    Bytes garbled = good;
    garbled[good.size() / 2] ^= 0x5A;
    EXPECT_EQ(RefusalOf(garbled), kExpansionFailed);
    EXPECT_EQ(RefusalOf(Concat({SbxIdentifier(), Dword(size), Bytes(40, 0x33)})), kExpansionFailed);
    EXPECT_TRUE(m_boxes->GetRecords().empty());
}

TEST_F(SbxFormat, AFileTooShortForItsHeaderReportsTheFileError)
{
    const Bytes identifier = SbxIdentifier();
    EXPECT_EQ(ReadFile(Bytes(identifier.begin(), identifier.begin() + 10)), nullptr);
    EXPECT_EQ(m_serializer.GetErrorText(), "") << "the file exception shows its own box";
    ASSERT_EQ(m_boxes->GetRecords().size(), 1u);
    EXPECT_EQ(m_boxes->GetRecords()[0].text, (m_directory / "in.sbx").string() + " の終わりを越えて読み込もうとしました。");
}

TEST_F(SbxFormat, InconsistentDocumentsAreRefusedWithTheirReason)
{
    const Bytes pixels(6, 9);
    const Bytes layers = ArrayChunks(0, {LayerChunks(3, 2, pixels)});
    const Bytes palettes = ArrayChunks(0, {ValidPaletteChunks()});
    ASSERT_NE(ReadFile(MakeSbxFile(DocumentChunks(3, 2, layers, palettes))), nullptr)
        << "the well-formed document these cases spoil is accepted";

    const struct {
        const char* what;
        Bytes stream;
        std::string message;
    } cases[] = {
        {"no layer array", Concat({Chunk(1001, Dword(3)), Chunk(1002, Dword(2)), Chunk(1004, palettes)}),
         "レイヤがありません。"},
        {"no layers", DocumentChunks(3, 2, ArrayChunks(0, {}), palettes), "レイヤがありません。"},
        {"no palette array", Concat({Chunk(1001, Dword(3)), Chunk(1002, Dword(2)), Chunk(1003, layers)}),
         "パレットがありません。"},
        {"no palettes", DocumentChunks(3, 2, layers, ArrayChunks(0, {})), "パレットがありません。"},
        {"no entry count", DocumentChunks(3, 2, layers, ArrayChunks(0, {Chunk(1005, {0x41, 0})})),
         "パレットの色数がありません。"},
        {"255 entries", DocumentChunks(3, 2, layers, ArrayChunks(0, {Chunk(1000, Dword(255))})),
         "パレットの色数が異常です。"},
        {"short colours",
         DocumentChunks(3, 2, layers, ArrayChunks(0, {Concat({Chunk(1000, Dword(256)), Chunk(1001, Bytes(767))})})),
         "パレットデータの大きさが色数と一致しません。"},
        {"short pixels", DocumentChunks(3, 2, ArrayChunks(0, {LayerChunks(3, 2, Bytes(5))}), palettes),
         "レイヤの画素データの大きさが異常です。"},
        {"no pixels",
         DocumentChunks(3, 2, ArrayChunks(0, {Concat({Chunk(1001, Dword(3)), Chunk(1002, Dword(2))})}), palettes),
         "レイヤの画素データがありません。"},
        {"layer smaller than the canvas",
         DocumentChunks(3, 2, ArrayChunks(0, {LayerChunks(3, 2, pixels), LayerChunks(2, 2, Bytes(4))}), palettes),
         "レイヤの大きさがキャンバスと一致しません。"},
        {"size changed after the pixels",
         DocumentChunks(3, 2, ArrayChunks(0, {Concat({LayerChunks(3, 2, pixels), Chunk(1001, Dword(4))})}), palettes),
         "レイヤの大きさがキャンバスと一致しません。"},
        {"huge layer", DocumentChunks(3, 2, ArrayChunks(0, {LayerChunks(65536, 65536, Bytes(6))}), palettes),
         "レイヤの大きさが異常です。"},
        {"zero width", DocumentChunks(0, 2, layers, palettes), "キャンバスサイズが異常です。"},
        {"wide canvas", DocumentChunks(1025, 2, layers, palettes), "キャンバスサイズが大きすぎです。"},
        {"current layer past the end", DocumentChunks(3, 2, ArrayChunks(1, {LayerChunks(3, 2, pixels)}), palettes),
         "カレントレイヤの番号が異常です。"},
        {"negative current layer",
         DocumentChunks(3, 2, ArrayChunks(0xFFFFFFFF, {LayerChunks(3, 2, pixels)}), palettes),
         "カレントレイヤの番号が異常です。"},
        {"current palette past the end", DocumentChunks(3, 2, layers, ArrayChunks(1, {ValidPaletteChunks()})),
         "カレントパレットの番号が異常です。"},
        {"short width payload",
         Concat({Chunk(1001, Bytes{3, 0, 0}), Chunk(1002, Dword(2)), Chunk(1003, layers), Chunk(1004, palettes)}),
         "データの長さが異常です。"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(RefusalOf(MakeSbxFile(c.stream)), c.message) << c.what;
    }
    EXPECT_TRUE(m_boxes->GetRecords().empty());
}

TEST_F(SbxFormat, ARefusedFileLeavesTheRememberedDelayAsItWas)
{
    const Bytes layer = Concat({LayerChunks(3, 2, Bytes(6)), Chunk(1006, Dword(1200))});
    const Bytes badCurrent = DocumentChunks(3, 2, ArrayChunks(5, {layer}), ArrayChunks(0, {ValidPaletteChunks()}));
    EXPECT_EQ(ReadFile(MakeSbxFile(badCurrent)), nullptr);
    EXPECT_EQ(CDelay::GetRememberedDelay(), 500);
}

TEST_F(SbxFormat, UnexpectedFailuresEndTheOperationWithAMessage)
{
    CMemFile sink;
    CThrowingObject<std::runtime_error> odd(std::runtime_error("odd"));
    std::string error;
    EXPECT_FALSE(sbx::Save(odd, sink, &error));
    EXPECT_EQ(error, "データ保存中にエラーが発生しました。\n保存を中止します。");

    CThrowingObject<CMemoryException> starved{CMemoryException()};
    EXPECT_FALSE(sbx::Save(starved, sink, &error));
    EXPECT_EQ(error, "メモリが不足しています。");

    std::string longText;
    for (int i = 0; i < 1500; ++i) {
        longText += "あ";
    }
    CThrowingObject<CDataFormatException> wordy{CDataFormatException(longText)};
    EXPECT_FALSE(sbx::Save(wordy, sink, &error));
    EXPECT_EQ(error, longText.substr(0, 1024 * 3)) << "at most 1024 characters of the exception's text";

    CFickleObject fickle;
    EXPECT_FALSE(sbx::Save(fickle, sink, &error));
    EXPECT_EQ(error, "データ保存中にエラーが発生しました。\n保存を中止します。") << "a stored length that would lie";

    // Without a place for the text the message is shown.
    EXPECT_FALSE(sbx::Save(odd, sink, nullptr));
    ASSERT_EQ(m_boxes->GetRecords().size(), 1u);
    EXPECT_EQ(m_boxes->GetRecords()[0].text, "データ保存中にエラーが発生しました。\n保存を中止します。");

    // Reading: the same objects behind a valid header.
    Bytes header;
    for (const char16_t c : std::u16string(u"Thrower")) {
        header.push_back(static_cast<uint8_t>(c));
        header.push_back(0);
    }
    const Bytes stream = Chunk(1, Dword(1));
    Bytes file = Concat({header, Dword(static_cast<uint32_t>(stream.size())), Deflated(stream)});
    const auto load = [&](CStippleboxChunkSerializer& object) {
        CMemFile memory(file);
        error.clear();
        return sbx::Load(object, memory, &error);
    };
    EXPECT_FALSE(load(odd));
    EXPECT_EQ(error, "データ読み込み中にエラーが発生しました。\n読み込みを中止します。");
    m_boxes->ClearRecords();
    EXPECT_FALSE(load(starved));
    EXPECT_EQ(error, "") << "a memory exception shows its own box";
    ASSERT_EQ(m_boxes->GetRecords().size(), 1u);
    EXPECT_EQ(m_boxes->GetRecords()[0].text, "メモリが不足しています。");
}

TEST_F(SbxFormat, AFailedSaveLeavesTheOldFileAsItWas)
{
    const fs::path path = m_directory / "keep.sbx";
    auto original = MakeRichDocument(16, 16, 3, 2, 77);
    ASSERT_TRUE(m_serializer.Write(path, original.get()));
    const std::string before = ReadFileBytes(path);
    auto replacement = MakeRichDocument(32, 32, 4, 1, 78);

    {
        CFileSizeLimitScope diskFillsUp(200);
        EXPECT_FALSE(m_serializer.Write(path, replacement.get()));
    }
    EXPECT_EQ(m_serializer.GetErrorText(), path.string() + " へのアクセス中にエラーが発生しました。");
    EXPECT_EQ(ReadFileBytes(path), before);
    EXPECT_EQ(m_directory.GetEntryCount(), 1u) << "the temporary file is removed";

    CThrowingObject<std::runtime_error> failsAfterTheHeader(std::runtime_error("odd"));
    std::string error;
    EXPECT_FALSE(sbx::SaveFile(failsAfterTheHeader, path, &error));
    EXPECT_EQ(ReadFileBytes(path), before);
    EXPECT_EQ(m_directory.GetEntryCount(), 1u);

    CHugeObject huge;  // longer than a 32-bit length can describe
    EXPECT_FALSE(sbx::SaveFile(huge, path, &error));
    EXPECT_EQ(error, "データ保存中にエラーが発生しました。\n保存を中止します。");
    EXPECT_EQ(ReadFileBytes(path), before);
    EXPECT_EQ(m_directory.GetEntryCount(), 1u);

    const auto unchanged = Read(path);
    ASSERT_NE(unchanged, nullptr);
    ExpectSameStoredContent(*original, *unchanged);
}

TEST(StandardSerializers, TheNativeFormatIsRegisteredFirstForBothDirections)
{
    CSerializerList list;
    AddStandardSerializers(list);
    ASSERT_GE(list.GetCount(), 1);
    auto* sbx = dynamic_cast<CSerializerImageSbx*>(list.GetAt(0));
    ASSERT_NE(sbx, nullptr);
    std::string label;
    std::string extension;
    ASSERT_TRUE(sbx->GetFormat(0, label, extension));
    EXPECT_EQ(label, "sbx - Stipple Box 2形式");
    EXPECT_EQ(extension, ".sbx");
    EXPECT_FALSE(sbx->GetFormat(1, label, extension));
    EXPECT_EQ(sbx->GetFlags(), 3u);
    EXPECT_EQ(sbx->GetStoreFlags(), 5u);
    EXPECT_EQ(list.Find("/pictures/cat.SBX", 1), sbx);
    EXPECT_EQ(list.Find("/pictures/cat.sbx", 2), sbx);
}
