#include "formats/byte_reader.h"

#include "platform/exceptions.h"

CByteReader::CByteReader(std::span<const uint8_t> bytes, std::string truncatedText)
    : m_bytes(bytes), m_truncatedText(std::move(truncatedText))
{
}

void CByteReader::ThrowTruncated() const
{
    throw CDataFormatException(m_truncatedText);
}

uint8_t CByteReader::ReadByte()
{
    if (GetRemaining() < 1) {
        ThrowTruncated();
    }
    return m_bytes[m_position++];
}

uint16_t CByteReader::ReadWord()
{
    return LoadWord(ReadBytes(2).data());
}

uint32_t CByteReader::ReadDword()
{
    return LoadDword(ReadBytes(4).data());
}

std::span<const uint8_t> CByteReader::ReadBytes(size_t count)
{
    if (GetRemaining() < count) {
        ThrowTruncated();
    }
    const std::span<const uint8_t> bytes = m_bytes.subspan(m_position, count);
    m_position += count;
    return bytes;
}

void CByteReader::SeekTo(size_t position)
{
    if (position > m_bytes.size()) {
        ThrowTruncated();
    }
    m_position = position;
}
