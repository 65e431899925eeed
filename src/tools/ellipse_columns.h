#pragma once

#include <cmath>
#include <algorithm>

// The geometry that the ellipse outline and the filled ellipse share: the
// box ordered so that x0 ≤ x1 and y0 ≤ y1, the half axes, and the half
// height of each column, in the precision both are drawn with.
class CEllipseColumns {
public:
    CEllipseColumns(int x0, int y0, int x1, int y1)
        : m_x0(std::min(x0, x1)),
          m_y0(std::min(y0, y1)),
          m_x1(std::max(x0, x1)),
          m_y1(std::max(y0, y1)),
          m_a(static_cast<float>(m_x1 - m_x0 + 1) * 0.5f),
          m_b(static_cast<float>(m_y1 - m_y0 + 1) * 0.5f),
          m_b2(m_b * m_b),
          m_inverseA2(1.0f / (m_a * m_a))
    {
    }

    int Left() const { return m_x0; }
    int Right() const { return m_x1; }
    int Width() const { return m_x1 - m_x0 + 1; }
    float HalfWidth() const { return m_a; }

    // Column i counted from the left or the right edge; its centre lies
    // 0.5 − a + i from the ellipse's centre.
    double HalfHeight(int i) const
    {
        const float t = 0.5f - m_a + static_cast<float>(i);
        return std::sqrt(static_cast<double>(m_b2 - t * t * m_b2 * m_inverseA2));
    }
    // The centre line seen from the top edge and from the bottom edge.
    double UpperCentre() const { return static_cast<double>(static_cast<float>(m_y0) + m_b); }
    double LowerCentre() const { return static_cast<double>(static_cast<float>(m_y1) - m_b); }
    // The rows of the lower half: where the outermost columns start from, and
    // where a column of half height h meets the curve. Rounded down: rows
    // rounded toward zero would put an ellipse lying wholly above the image
    // onto its top row, outside the ellipse's own box.
    int LowerStartRow() const { return static_cast<int>(std::floor(LowerCentre() + 1.0)); }
    int LowerRow(double h) const { return static_cast<int>(std::floor(LowerCentre() + h + 0.5)); }

private:
    int m_x0;
    int m_y0;
    int m_x1;
    int m_y1;
    float m_a;
    float m_b;
    float m_b2;
    float m_inverseA2;
};
