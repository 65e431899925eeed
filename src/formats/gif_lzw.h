#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

class CGifVLC;

// One entry of the encoder's dictionary: the string of the entry coded
// `parent` followed by the byte `value`, itself coded `code`. The entries are
// kept in an open-addressed table keyed by (parent, value), so finding the
// child of a string takes one probe in the usual case instead of a walk
// through the parent's children. An entry is packed into 32 bits so the
// whole table stays in the processor's nearest cache.
class CGifLZWNode {
public:
    CGifLZWNode() = default;
    CGifLZWNode(uint32_t parent, uint8_t value, uint32_t code) : m_packed(KeyOf(parent, value) << 12 | code) {}

    // The key of the entry that continues `parent` with `value`.
    static uint32_t KeyOf(uint32_t parent, uint8_t value) { return parent << 8 | value; }

    bool IsFree() const { return m_packed == 0; }  // no entry has code 0
    uint32_t GetKey() const { return m_packed >> 12; }
    uint32_t GetCode() const { return m_packed & 0xFFF; }

private:
    uint32_t m_packed = 0;
};

// The LZW coder of GIF image data.
class CGifLZW {
public:
    static constexpr int kMaxCodeWidth = 12;
    static constexpr uint32_t kCodeLimit = 1u << kMaxCodeWidth;  // 4096 codes

    // The bits (1..8) that hold the largest index, raised to 2.
    static int GetMinimumCodeSize(std::span<const uint8_t> pixels);

    // Codes the pixels: a clear code first, the end code last, the codes
    // flushed. minimumCodeSize must hold every pixel value.
    void Encode(std::span<const uint8_t> pixels, int minimumCodeSize, CGifVLC& vlc);

    enum class EDecodeResult { Complete, Incomplete, UndefinedCode };
    // Decodes up to pixelCount bytes into pixels; every byte beyond is
    // dropped. Incomplete when the codes end before pixelCount bytes.
    static EDecodeResult Decode(std::span<const uint8_t> data, int minimumCodeSize, size_t pixelCount,
                                std::vector<uint8_t>& pixels);

private:
    static constexpr uint32_t kTableSize = 8192;  // at most 4094 entries: kept under half full

    void ClearDictionary();
    // The code of the string of `length` times `value`; length ≤ m_runLength[value].
    uint16_t& RunCode(uint8_t value, uint32_t length) { return m_runCodes[size_t{value} * kCodeLimit + length]; }

    std::array<CGifLZWNode, kTableSize> m_table;
    // Strings of one byte repeated, the bulk of pixel art, are kept apart
    // from the table: the entries for a byte are its runs of length 1 up to
    // the longest one made so far, so a whole run is matched at once.
    std::array<uint32_t, 256> m_runLength{};
    std::unique_ptr<uint16_t[]> m_runCodes = std::make_unique_for_overwrite<uint16_t[]>(256 * kCodeLimit);
};
