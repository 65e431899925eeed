#include "formats/recovery_snapshot.h"

#include <span>

#include "formats/sbx_file.h"
#include "formats/serializer_image_sbx.h"
#include "formats/stipplebox_chunk_file.h"
#include "formats/stipplebox_chunk_serializer.h"
#include "model/delay.h"
#include "model/stipplebox_data.h"
#include "platform/exceptions.h"
#include "platform/file.h"

namespace recovery {
namespace {

constexpr uint16_t kRecordChunk = 9001;
constexpr uint16_t kVersionChunk = 1;
constexpr uint16_t kPathChunk = 2;
constexpr uint32_t kMaxPathBytes = 4096;
// The identifier and the stream length in front of the zlib stream.
constexpr uint64_t kHeaderBytes = 34;

constexpr char kDamaged[] = "復元用のデータが壊れています。";
constexpr char kNewer[] = "新しいバージョンのStipple Box 2で保存された復元用のデータです。";
constexpr char kNoRecord[] = "復元用のデータではありません。";

// The record: which layout wrote the snapshot and where the document lives.
class CRecord final : public CStippleboxChunkSerializer {
public:
    explicit CRecord(std::string documentPath = {}) : m_documentPath(std::move(documentPath)) {}

    void WriteChunks(CStippleboxChunkFile& file) override
    {
        file.WriteDwordChunk(kVersionChunk, kSnapshotVersion);
        file.WriteBytesChunk(kPathChunk, {reinterpret_cast<const uint8_t*>(m_documentPath.data()),
                                          m_documentPath.size()});
    }

    void ReadChunk(CStippleboxChunkFile& file, uint16_t identifier, uint32_t length) override
    {
        if (identifier == kVersionChunk) {
            m_version = ReadDwordPayload(file, length);
            if (m_version > kSnapshotVersion) {
                throw CDataFormatException(kNewer);  // the rest may be laid out in ways unknown here
            }
        } else if (identifier == kPathChunk) {
            if (length > kMaxPathBytes) {
                throw CDataFormatException(kDamaged);
            }
            m_documentPath.resize(length);
            file.Read(m_documentPath.data(), length, true);
        }
    }

    bool HasVersion() const { return m_version != 0; }
    const std::string& GetDocumentPath() const { return m_documentPath; }

private:
    std::string m_documentPath;
    uint32_t m_version = 0;
};

// The stream a snapshot file holds: the record, then the document's chunks.
class CSnapshotReader final : public CStippleboxChunkSerializer {
public:
    explicit CSnapshotReader(CStippleboxData& document) : m_document(document) {}

    void ReadChunk(CStippleboxChunkFile& file, uint16_t identifier, uint32_t length) override
    {
        if (identifier == kRecordChunk) {
            m_record.ReadChunks(file, length);
            m_sawRecord = m_record.HasVersion();
        } else if (!m_sawRecord) {
            throw CDataFormatException(kNoRecord);  // the record leads, or this is no snapshot
        } else {
            m_document.ReadChunk(file, identifier, length);
        }
    }
    void BeginRead() override { m_document.BeginRead(); }
    void EndRead() override
    {
        if (!m_sawRecord) {
            throw CDataFormatException(kNoRecord);
        }
        m_document.EndRead();
    }
    std::u16string GetName() const override { return m_document.GetName(); }

    const CRecord& GetRecord() const { return m_record; }

private:
    CStippleboxData& m_document;
    CRecord m_record;
    bool m_sawRecord = false;
};

// A stream captured earlier, written back as it was.
class CCapturedStream final : public CStippleboxChunkSerializer {
public:
    explicit CCapturedStream(const SCapturedSnapshot& snapshot) : m_snapshot(snapshot) {}

    void WriteChunks(CStippleboxChunkFile& file) override { file.Write(m_snapshot.memory.bytes.get(), m_snapshot.size); }
    std::u16string GetName() const override { return m_snapshot.name; }

private:
    const SCapturedSnapshot& m_snapshot;
};

// The record and the document, as the stream's writer sees them.
class CSnapshotWriter final : public CStippleboxChunkSerializer {
public:
    CSnapshotWriter(CStippleboxData& document, const std::filesystem::path& documentPath)
        : m_document(document), m_record(documentPath.string())
    {
    }

    void WriteChunks(CStippleboxChunkFile& file) override
    {
        file.WriteObjectChunk(kRecordChunk, m_record);
        m_document.WriteChunks(file);
    }

private:
    CStippleboxData& m_document;
    CRecord m_record;
};

}  // namespace

size_t MeasureCapture(CStippleboxData& document, const std::filesystem::path& documentPath)
{
    CSnapshotWriter writer(document, documentPath);
    return static_cast<size_t>(CStippleboxChunkFile::MeasureChunks(writer));
}

SCapturedSnapshot Capture(CStippleboxData& document, const std::filesystem::path& documentPath,
                          SSnapshotMemory memory)
{
    CSnapshotWriter writer(document, documentPath);
    SCapturedSnapshot snapshot{document.GetName(), std::move(memory),
                               static_cast<size_t>(CStippleboxChunkFile::MeasureChunks(writer))};
    if (snapshot.memory.capacity < snapshot.size) {
        // Left uninitialised: every byte is written once, straight from the layers.
        snapshot.memory = {std::unique_ptr<uint8_t[]>(new uint8_t[snapshot.size]), snapshot.size};
    }
    CMemFile stream(std::span<uint8_t>(snapshot.memory.bytes.get(), snapshot.size));
    CStippleboxChunkFile chunks;
    chunks.SetForwardOnly(true);
    chunks.Attach(&stream, false);
    writer.WriteChunks(chunks);
    return snapshot;
}

bool Write(const SCapturedSnapshot& snapshot, const std::filesystem::path& target, std::string& error)
{
    CCapturedStream stream(snapshot);
    return sbx::SaveFile(stream, target, &error);
}

bool ReadFrom(CFile& file, CStippleboxData& document, std::filesystem::path& documentPath, std::string& error)
{
    // A file too short for the header would only raise a file error.
    if (file.GetLength() < kHeaderBytes) {
        error = kDamaged;
        return false;
    }
    const int32_t rememberedDelay = CDelay::GetRememberedDelay();
    CSnapshotReader reader(document);
    if (sbx::Load(reader, file, &error) && CheckLoadedDocument(document, error)) {
        documentPath = reader.GetRecord().GetDocumentPath();
        return true;
    }
    CDelay::SetRememberedDelay(rememberedDelay);
    if (error.empty()) {
        error = kDamaged;
    }
    return false;
}

bool Read(const std::filesystem::path& path, CStippleboxData& document, std::filesystem::path& documentPath,
          std::string& error)
{
    CFile file;
    if (!file.Open(path, CFile::OpenMode::Read)) {
        error = "ファイルのオープンに失敗しました。";
        return false;
    }
    return ReadFrom(file, document, documentPath, error);
}

}  // namespace recovery
