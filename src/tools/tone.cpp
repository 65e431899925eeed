#include "tools/tone.h"

namespace {

// Ordered-dither thresholds, row-major by (y & 3, x & 3).
constexpr std::array<uint8_t, 16> kThresholds = {0, 8, 2, 10, 12, 4, 14, 6, 3, 11, 1, 9, 15, 7, 13, 5};

}  // namespace

void CTone::SetLevel(uint8_t level)
{
    m_level = level;
    for (size_t i = 0; i < m_pattern.size(); ++i) {
        m_pattern[i] = kThresholds[i] >= 2 * level ? 1 : 0;
    }
}
