#pragma once

#include <cstdint>
#include <span>
#include <vector>

// One zlib-compressed block of bytes, as the undo history and the image
// clipboard keep them. Reading it back releases the compressed bytes: a
// snapshot is used once. Failures are shown in a message box and leave the
// block empty or the output partly filled; the caller carries on.
class CCompressData {
public:
    static constexpr int kSelfSize = 16;

    virtual ~CCompressData() = default;

    // Replaces any bytes held by the compressed form of the source.
    void Compress(std::span<const uint8_t> source);
    // The uncompressed bytes, in a new block of GetUncompressedSize() bytes.
    std::vector<uint8_t> Decompress();
    // Decompresses into the caller's block, which should hold
    // GetUncompressedSize() bytes; a smaller block is filled and the shortage
    // reported.
    void Decompress(std::span<uint8_t> output);
    // Releases the compressed bytes; the sizes stay as they were.
    void Free();

    bool IsEmpty() const { return m_compressed.empty(); }
    uint32_t GetCompressedSize() const { return m_compressedSize; }
    uint32_t GetUncompressedSize() const { return m_uncompressedSize; }
    // The bytes held, for the history's budget.
    int GetDataSize(bool includeSelf) const { return int(m_compressedSize) + (includeSelf ? kSelfSize : 0); }

private:
    std::vector<uint8_t> m_compressed;
    uint32_t m_compressedSize = 0;
    uint32_t m_uncompressedSize = 0;
};
