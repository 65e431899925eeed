#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

// The dither filter of all drawing: a 4 × 4 ordered pattern of the places a
// pixel may be written. It is anchored to the image, so strokes of one tone
// line up wherever they overlap.
class CTone {
public:
    static constexpr int kLevels = 8;  // 100 % down to 12.5 % in eighths

    CTone() { SetLevel(0); }
    virtual ~CTone() = default;

    void SetLevel(uint8_t level);
    uint8_t GetLevel() const { return m_level; }
    // Level 0 writes every pixel; callers skip the pattern test then.
    bool IsSolid() const { return m_level == 0; }
    // The four places of row y, indexed by x & 3.
    const uint8_t* GetRow(int y) const { return &m_pattern[size_t(y & 3) * 4]; }
    bool Allows(int x, int y) const { return GetRow(y)[x & 3] != 0; }

private:
    std::array<uint8_t, 16> m_pattern{};
    uint8_t m_level = 0;
};
