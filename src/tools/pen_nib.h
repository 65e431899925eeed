#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// The stamp of the drawing pen: a size × size square mask, round from size 4
// up. Stamped at a point, its top-left lies size / 2 pixels left of and above
// the point, so an even nib reaches one pixel further left and up than right
// and down.
class CPenNib {
public:
    CPenNib() { SetSize(1); }
    virtual ~CPenNib() = default;

    // size ≥ 1.
    void SetSize(int size);
    int GetSize() const { return m_size; }
    // Row-major, 1 where the nib covers the pixel.
    const uint8_t* GetMask() const { return m_mask.data(); }
    bool Covers(int dx, int dy) const { return m_mask[size_t(dy) * m_size + dx] != 0; }
    // Offset of the nib's top-left from the stamped point.
    int GetOrigin() const { return -(m_size >> 1); }

private:
    int m_size = 0;
    std::vector<uint8_t> m_mask;
};
