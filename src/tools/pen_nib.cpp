#include "tools/pen_nib.h"

#include <cassert>
#include <cmath>

void CPenNib::SetSize(int size)
{
    assert(size >= 1);
    m_size = size;
    if (size <= 2) {
        m_mask.assign(size_t(size) * size, 1);
        return;
    }
    if (size == 3) {
        m_mask = {0, 1, 0, 1, 1, 1, 0, 1, 0};
        return;
    }
    // A disc: each column covers the rows whose centres lie within the circle
    // through the square's sides, rounded in single precision.
    m_mask.assign(size_t(size) * size, 0);
    const float r = static_cast<float>(size) * 0.5f;
    float t = 0.5f - r;
    for (int column = 0; column < size; ++column, t += 1.0f) {
        const auto h = static_cast<float>(std::sqrt(static_cast<double>(r * r - t * t)));
        const float top = (r - h) + 0.5f;
        const auto bottom = static_cast<float>(static_cast<int>(h * 2.0f + top));
        for (float yy = top; yy < bottom; yy += 1.0f) {
            m_mask[size_t(static_cast<int>(yy)) * size + column] = 1;
        }
    }
}
