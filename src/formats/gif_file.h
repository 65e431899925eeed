#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <limits>
#include <span>
#include <string>
#include <vector>

#include "formats/gif_info.h"

// Reads and writes GIF87a and GIF89a files held in memory. A failed
// operation leaves its message in the error text.
class CGifFile {
public:
    // Only the first `count` frames get their pixels decoded; later frames are
    // checked for their layout and keep no pixels (the editor opens the first
    // frame only). All frames by default.
    void SetDecodedFrameLimit(size_t count) { m_decodedFrameLimit = count; }
    // Hands each frame over as soon as its pixels are decoded, its graphic
    // control already read; the handler may take the pixels, so that a long
    // animation is never held decoded whole.
    using FrameHandler = std::function<void(CGifImageInfo& frame)>;
    void SetFrameHandler(FrameHandler handler) { m_frameHandler = std::move(handler); }

    // Parses a whole file. With allowWarnings, skipped blocks are announced in
    // message boxes, each kind once.
    bool Read(std::span<const uint8_t> bytes, CGifInfo& info, bool allowWarnings);
    // Appends the file made of the info to out. A screen of 0 by 0 is
    // computed from the frames and stored in the info.
    bool Write(CGifInfo& info, std::vector<uint8_t>& out);

    const std::string& GetErrorText() const { return m_errorText; }

    // For each row as stored in an interlaced image, the picture row it holds.
    static std::vector<int> GetInterlacedRowOrder(int height);

private:
    size_t m_decodedFrameLimit = std::numeric_limits<size_t>::max();
    FrameHandler m_frameHandler;
    std::string m_errorText;
};
