#pragma once

#include <vector>

// The allowed zoom factors in increasing order, with the steps between them.
class CZoomManager {
public:
    explicit CZoomManager(std::vector<int> levels = {1, 2, 4, 8, 12, 16, 24, 32}) : m_levels(std::move(levels)) {}

    const std::vector<int>& GetLevels() const { return m_levels; }
    // The next level up (or down); the current zoom itself when there is none.
    int ZoomIn(int current) const;
    int ZoomOut(int current) const;
    bool CanZoomIn(int current) const { return !m_levels.empty() && m_levels.back() > current; }
    bool CanZoomOut(int current) const { return !m_levels.empty() && m_levels.front() < current; }

private:
    std::vector<int> m_levels;
};
