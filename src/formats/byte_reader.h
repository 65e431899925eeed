#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

// A cursor over bytes held in memory for the picture readers. Every read
// checks what is left first; a read past the end raises CDataFormatException
// with the text given at construction, so a truncated file can never be read
// beyond its last byte.
class CByteReader {
public:
    CByteReader(std::span<const uint8_t> bytes, std::string truncatedText);

    size_t GetPosition() const { return m_position; }
    size_t GetRemaining() const { return m_bytes.size() - m_position; }
    bool IsAtEnd() const { return m_position == m_bytes.size(); }

    uint8_t ReadByte();
    uint16_t ReadWord();  // little-endian
    uint32_t ReadDword();
    std::span<const uint8_t> ReadBytes(size_t count);
    void Skip(size_t count) { ReadBytes(count); }
    // Goes back to a position already passed.
    void SeekTo(size_t position);

private:
    [[noreturn]] void ThrowTruncated() const;

    std::span<const uint8_t> m_bytes;
    size_t m_position = 0;
    std::string m_truncatedText;
};

// Little-endian fields at an offset that the caller has checked.
inline uint16_t LoadWord(const uint8_t* p)
{
    return static_cast<uint16_t>(p[0] | (p[1] << 8));
}

inline uint32_t LoadDword(const uint8_t* p)
{
    return uint32_t{p[0]} | (uint32_t{p[1]} << 8) | (uint32_t{p[2]} << 16) | (uint32_t{p[3]} << 24);
}

inline void StoreWord(uint8_t* p, uint32_t value)
{
    p[0] = static_cast<uint8_t>(value);
    p[1] = static_cast<uint8_t>(value >> 8);
}

inline void StoreDword(uint8_t* p, uint32_t value)
{
    StoreWord(p, value);
    StoreWord(p + 2, value >> 16);
}
