#include "formats/stipplebox_chunk_file.h"

#include "formats/counting_file.h"
#include "formats/stipplebox_chunk_serializer.h"

void CStippleboxChunkFile::BeginChunk(uint16_t identifier)
{
    WriteWord(identifier);
    m_openChunks.push_back(GetPosition());
    WriteDword(0);
}

void CStippleboxChunkFile::EndChunk()
{
    const uint64_t end = GetPosition();
    const uint64_t lengthField = m_openChunks.back();
    m_openChunks.pop_back();
    SeekTo(lengthField);
    WriteDword(static_cast<uint32_t>(end - lengthField - 4));
    GetFile()->Seek(0, CFile::SeekOrigin::End);
}

void CStippleboxChunkFile::WriteObjectChunk(uint16_t identifier, CStippleboxChunkSerializer& serializer)
{
    if (m_forwardOnly) {
        WriteWord(identifier);
        WriteDword(static_cast<uint32_t>(MeasureChunks(serializer)));
        serializer.WriteChunks(*this);
        return;
    }
    BeginChunk(identifier);
    serializer.WriteChunks(*this);
    EndChunk();
}

uint64_t CStippleboxChunkFile::MeasureChunks(CStippleboxChunkSerializer& serializer)
{
    CCountingFile counter;
    CStippleboxChunkFile chunks;
    chunks.Attach(&counter, false);
    serializer.WriteChunks(chunks);
    return counter.GetLength();
}

void CStippleboxChunkFile::WriteDwordChunk(uint16_t identifier, uint32_t value)
{
    WriteWord(identifier);
    WriteDword(4);
    WriteDword(value);
}

void CStippleboxChunkFile::WriteByteChunk(uint16_t identifier, uint8_t value)
{
    WriteWord(identifier);
    WriteDword(1);
    WriteByte(value);
}

void CStippleboxChunkFile::WriteBytesChunk(uint16_t identifier, std::span<const uint8_t> bytes)
{
    WriteWord(identifier);
    WriteDword(static_cast<uint32_t>(bytes.size()));
    Write(bytes.data(), bytes.size());
}

void CStippleboxChunkFile::WriteStringChunk(uint16_t identifier, const std::u16string& text)
{
    WriteWord(identifier);
    WriteDword(static_cast<uint32_t>(text.size() * 2));
    WriteString(text, false);
}
