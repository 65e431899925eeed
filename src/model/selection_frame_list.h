#pragma once

#include <cstdint>
#include <vector>

// The outline of a selection mask as the edges it walks, in walking order:
// clockwise around each selected area, counter-clockwise around each hole.
// Areas that touch only at a corner get outlines of their own.
class CSelectionFrameList {
public:
    // Which side of its pixel an edge lies on; the walking direction follows.
    enum EEdge : int32_t {
        kLeft = 1,    // walked upwards
        kRight = 2,   // walked downwards
        kBottom = 4,  // walked leftwards
        kTop = 8,     // walked rightwards
    };

    struct SNode {
        int32_t x = 0;  // pixel, relative to the mask's top-left
        int32_t y = 0;
        int32_t edge = kTop;
        friend bool operator==(const SNode&, const SNode&) = default;
    };

    virtual ~CSelectionFrameList() = default;

    void Clear() { m_nodes.clear(); }
    // Traces the outline of a width × height mask (non-zero = selected).
    // Without force an outline already built is kept.
    void Build(const uint8_t* mask, int width, int height, bool force);

    bool IsEmpty() const { return m_nodes.empty(); }
    const std::vector<SNode>& GetNodes() const { return m_nodes; }

private:
    std::vector<SNode> m_nodes;
};
