#include "formats/stipplebox_chunk_serializer.h"

#include <algorithm>

#include "formats/stipplebox_chunk_file.h"
#include "platform/exceptions.h"

void CStippleboxChunkSerializer::WriteChunks(CStippleboxChunkFile&) {}

void CStippleboxChunkSerializer::ReadChunk(CStippleboxChunkFile&, uint16_t, uint32_t) {}

void CStippleboxChunkSerializer::BeginRead() {}

void CStippleboxChunkSerializer::EndRead() {}

std::u16string CStippleboxChunkSerializer::GetName() const
{
    return {};
}

void CStippleboxChunkSerializer::ReadChunks(CStippleboxChunkFile& file, uint64_t length)
{
    BeginRead();
    const uint64_t start = file.GetPosition();
    const uint64_t streamLength = file.GetLength();
    const uint64_t end = std::min(start + length, std::max(streamLength, start));
    uint64_t position = start;
    while (position < end) {
        if (end - position < CStippleboxChunkFile::kHeaderSize) {
            break;  // a torn header: nothing more to read in this sequence
        }
        const uint16_t identifier = file.ReadWord();
        const uint32_t size = file.ReadDword();
        const uint64_t payload = position + CStippleboxChunkFile::kHeaderSize;
        const uint64_t next = payload + size;
        ReadChunk(file, identifier, static_cast<uint32_t>(std::min<uint64_t>(size, end - payload)));
        if (next >= end) {
            break;
        }
        if (file.GetPosition() != next) {
            file.SeekTo(next);
        }
        position = next;
    }
    file.SeekTo(end);
}

uint32_t CStippleboxChunkSerializer::ReadDwordPayload(CStippleboxChunkFile& file, uint32_t length)
{
    if (length < 4) {
        throw CDataFormatException("データの長さが異常です。");
    }
    return file.ReadDword();
}

uint8_t CStippleboxChunkSerializer::ReadBytePayload(CStippleboxChunkFile& file, uint32_t length)
{
    if (length < 1) {
        throw CDataFormatException("データの長さが異常です。");
    }
    return file.ReadByte();
}
