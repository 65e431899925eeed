#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

class CGifVLC;

// One entry of the encoder's dictionary: the string of the entry coded
// `parent` followed by the byte `value`, itself coded `code`. The entries are
// kept in an open-addressed table keyed by (parent, value), so finding the
// child of a string takes one probe in the usual case instead of a walk
// through the parent's children.
struct CGifLZWNode {
    static constexpr uint32_t kFree = 0xFFFFFFFF;

    uint32_t key = kFree;  // parent << 8 | value
    uint16_t code = 0;
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

    std::array<CGifLZWNode, kTableSize> m_table;
};
